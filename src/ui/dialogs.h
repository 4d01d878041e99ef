// The boxes of the window layer: the notice box, the message box behind the
// error display and the power function's report, and the seam through which
// every modal box can be watched and closed.
#pragma once

#include <functional>
#include <string_view>

#include "ui/forms.h"

namespace peruka {

// Message box flags (the values of the system's message box).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_TASKMODAL = 0x2000;
inline constexpr unsigned MB_SETFOREGROUND = 0x10000;
inline constexpr int IDOK = 1;

// A modal message box with the text, caption, icon and one OK button; blocks
// until it is closed. Texts are Shift-JIS.
int MessageBox(std::string_view text, std::string_view caption, unsigned flags);

// The notice box: a small modal form with the text and an OK button that is
// both the default and the cancel button.
class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, std::string_view text);

  TLabel* Message = nullptr;
  TButton* OK = nullptr;
};

// Shows the text in a notice box titled with the application title; returns
// when the box has been closed, however that was done.
void ShowNotice(std::string_view text);

// Shows the power function's error reports in a box of their own: the
// English text, the executable's file name as title, the stop icon and OK.
void InstallRuntimeMessageBox();

// Called with each modal box once it is up, from inside its modal loop; the
// hook may inspect the box and close it. Returns the previous hook.
using ModalBoxHook = std::function<void(QWidget* box)>;
ModalBoxHook SetModalBoxHook(ModalBoxHook hook);
// Activates a box that is about to run its modal loop, once it is up, and
// then runs the hook on it.
void ScheduleModalBoxHook(QWidget* box);

}  // namespace peruka
