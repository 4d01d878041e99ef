#include "ui/message_box.h"
#include "ui/win32/win32_modal.h"
#include "ui/win32/win32_text.h"

namespace peruka {

int MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  ModalScope scope(nullptr);
  // A task-modal box has no owner (the system disables all of the thread's
  // windows); any other box belongs to the window that was active.
  const HWND owner = (flags & 0x2000u /* MB_TASKMODAL */) ? nullptr : scope.Active();
  ::MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
  scope.Restore();
  return 1;  // IDOK: the box has only the OK button
}

}  // namespace peruka
