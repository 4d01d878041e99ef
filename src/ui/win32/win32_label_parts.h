// What a form's window does for the labels it holds: paints them, opens
// their context menus, and tells them when its client area changed size.
#pragma once

#include "ui/form.h"
#include "ui/win32/win32_native.h"

namespace peruka {

// Paints the form's labels that meet the rectangle, each by its format.
void PaintLabels(const TForm& form, HDC dc, const RECT& update);
// Opens the context menu of the label under the client point; false when
// no label with commands is there.
bool ShowLabelMenu(const TForm& form, POINT client, POINT screen);
// The form's client area has a new size.
void LabelsParentResized(TForm& form);

}  // namespace peruka
