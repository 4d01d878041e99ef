#include "ui/win32/win32_draw_text.h"

#include <windows.h>

#include <string>

#include "ui/win32/win32_text.h"

namespace peruka {

TextSize MeasureWithDrawText(HDC__* dc, std::string_view shiftJis, bool prefix, bool wordBreak, int width) {
  std::wstring wide = ToWide(shiftJis);
  RECT rect{0, 0, width, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | DT_LEFT;
  if (wordBreak) flags |= DT_WORDBREAK;
  if (!prefix) flags |= DT_NOPREFIX;
  ::DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &rect, flags);
  return TextSize{rect.right, rect.bottom};
}

}  // namespace peruka
