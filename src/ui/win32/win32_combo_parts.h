// What a form's window does for its owner-drawn drop-down lists: answers
// their measure requests with the item height and draws their items.
#pragma once

#include "ui/win32/win32_native.h"

namespace peruka {

// True when the request was a list's of the program.
bool MeasureListItem(MEASUREITEMSTRUCT& item);
bool DrawListItem(const DRAWITEMSTRUCT& item);
// The list is about to open: its dropped size follows its item count.
void ListOpening(HWND combo);

}  // namespace peruka
