#include "ui/message_box.h"

#include "numeric/math_error.h"
#include "text/shift_jis.h"

namespace peruka {

void InstallRuntimeMessageBox() {
  SetRuntimeMessagePresenter([](std::string_view text, std::string_view title) {
    MessageBox(text, Utf8ToShiftJis(title), MB_OK | MB_ICONSTOP | MB_SETFOREGROUND | MB_TASKMODAL);
  });
}

}  // namespace peruka
