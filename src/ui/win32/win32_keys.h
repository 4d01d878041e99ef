// The keys of a command, from the portable text the layer names them by
// ("Ctrl+S", "Ctrl+Shift+C", "Shift+F10"), as the virtual-key code and the
// shift state of a key message; and the shift state of a key message.
#pragma once

#include <string_view>

#include "ui/classes.h"

namespace peruka {

struct KeyChord {
  Word key = 0;  // 0: no keys
  TShiftState shift = 0;
  bool operator==(const KeyChord&) const = default;
};

// Modifiers (Ctrl, Shift, Alt, any case) and one key joined by "+": a
// letter, a digit, F1 to F24, or a named key (Del, Ins, Home, End, PgUp,
// PgDown, Left, Up, Right, Down, Esc, Tab, Backspace, Return, Enter, Space).
// Anything else, or an empty text, gives no keys.
KeyChord ParseKeyChord(std::string_view text);

// Shift, Ctrl and Alt as they were when the message being handled was
// posted; `altInKeyData` is bit 29 of a key message's data (Alt held).
TShiftState KeyMessageShiftState(bool altInKeyData);

}  // namespace peruka
