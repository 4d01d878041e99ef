// The virtual-key codes and shift states the key events carry, from Qt's
// key events.
#pragma once

#include <QtCore/qnamespace.h>

#include "ui/classes.h"

namespace peruka {

// The virtual-key code of a Qt key event (13 for both Enter keys); 0 for a
// key without one.
Word VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace peruka
