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

// Either Enter key (the main one or the keypad's).
inline bool IsEnterKey(int qtKey) { return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter; }
// Neither Shift, Ctrl nor Alt is held.
inline bool IsPlainKey(Qt::KeyboardModifiers modifiers) {
  return !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace peruka
