#include "ui/control.h"

namespace peruka {

NativeWidget* TControl::ClientNativeOf(TComponent* owner) {
  if (auto* container = dynamic_cast<TControlContainer*>(owner)) return container->ClientNative();
  return nullptr;
}

TControlContainer* TControl::Container() const {
  for (TComponent* c = const_cast<TControl*>(this); c; c = c->Owner())
    if (auto* container = dynamic_cast<TControlContainer*>(c)) return container;
  return nullptr;
}

void TWinControl::SetTabOrder(int order) {
  tabOrder_ = order;
  TControlContainer* container = Container();
  if (container && container != dynamic_cast<TControlContainer*>(this)) container->UpdateTabOrder();
}

}  // namespace peruka
