// The Win32 backend's window of a control, and the window handles behind the
// layer's controls for the Win32 code around them (the graph window, tests).
#pragma once

#include "ui/control.h"

struct HWND__;

namespace peruka {

// The system window of a control (a label, which has none, gives its
// parent's). Defined with the backend's NativeWidget in win32/.
HWND__* Win32Window(const TControl* control);
// The control a system window belongs to (a form for its top-level window),
// or null.
TControl* ControlOfWindow(HWND__* window);

}  // namespace peruka
