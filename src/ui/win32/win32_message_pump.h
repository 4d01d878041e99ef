// Handling one message of the thread, as the application's loop and every
// modal loop of the program do: the keys the forms take themselves first
// (commands' keys, Tab and Shift+Tab, Enter and Escape, Shift+F10), then
// the message translated and dispatched to its window.
#pragma once

#include "ui/win32/win32_api.h"

namespace peruka {

void HandleMessage(const MSG& message);

}  // namespace peruka
