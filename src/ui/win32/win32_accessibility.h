// The name a screen reader announces for a control's window, published
// through the system's accessibility services (oleacc's annotation of a
// window): the system's controls would otherwise take their own texts, an
// edit box none at all.
#pragma once

#include "ui/win32/win32_native.h"

namespace peruka {

// Publishes the control's accessible name for its window (a label has
// none); again after its window was made anew.
void PublishAccessibleName(const NativeWidget& native);

}  // namespace peruka
