// The message box behind the error display and the power function's
// report.
#pragma once

#include <string_view>

namespace peruka {

// Message box flags (the values of the system's message box).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_TASKMODAL = 0x2000;
inline constexpr unsigned MB_SETFOREGROUND = 0x10000;
inline constexpr int IDOK = 1;

// A modal message box with the text, caption, icon and one OK button; blocks
// until it is closed. Texts are Shift-JIS.
int MessageBox(std::string_view text, std::string_view caption, unsigned flags);  // backend

// Shows the power function's error reports in a box of their own: the
// English text, the executable's file name as title, the stop icon and OK.
void InstallRuntimeMessageBox();

}  // namespace peruka
