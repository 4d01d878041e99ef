#include "ui/button.h"

namespace peruka {

void TButton::Click() {
  if (TControlContainer* container = Container()) container->SetModalResult(modalResult_);
  if (OnClick) OnClick(this);
}

}  // namespace peruka
