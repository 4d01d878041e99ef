// Switching the input method off for a window while it has the focus, with
// the system's functions looked up by name (WINNLSEnableIME in USER32,
// ImmAssociateContext in IMM32.DLL): a function that is missing is simply
// not called, so the program imports nothing of IMM32.
#pragma once

#include "ui/win32/win32_native.h"

namespace peruka {

// Looks the functions up; later calls do nothing.
void LoadImeFunctions();

// On the focus: the input method off for the window. On the loss of the
// focus: on again, as it was. Each does nothing where the system has none.
void DisableImeOnFocus(NativeWidget& native);
void RestoreImeOnBlur(NativeWidget& native);

}  // namespace peruka
