// Text measuring the way a label is drawn, by the system's DrawText
// (DT_CALCRECT with DT_EXPANDTABS, DT_WORDBREAK when the label wraps and
// DT_NOPREFIX when "&" marks nothing).
#pragma once

#include <string_view>

#include "ui/layout_rules.h"

struct HDC__;

namespace peruka {

// The measured right and bottom edges of the rectangle (0, 0, width, 0)
// for the text in the font selected into the device context.
TextSize MeasureWithDrawText(HDC__* dc, std::string_view shiftJis, bool prefix, bool wordBreak, int width);

}  // namespace peruka
