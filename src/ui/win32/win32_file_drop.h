// Files dropped on a form's window (WM_DROPFILES), read and handed to the
// form's drop handler.
#pragma once

#include "ui/win32/win32_native.h"

namespace peruka {

// Reads each dropped file and hands it to the handler of the form's window
// in turn (through the event guard); releases the drop.
void HandleDroppedFiles(NativeWidget& form, HDROP drop);

}  // namespace peruka
