// The system window of a form: a top-level window of the program's own
// class, whose procedure paints the form's labels, passes the controls'
// notifications on to them and turns closing into the form's Close.
#pragma once

#include "ui/win32/win32_native.h"

namespace peruka {

// A hidden top-level window of the form class, owned by `owner` (may be
// null), not yet tied to its form.
HWND CreateFormWindow(HWND owner);

}  // namespace peruka
