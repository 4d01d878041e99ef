// The Windows backend's text measuring for the shared label tests: DrawText
// on a screen device context with the window's font, "ＭＳ Ｐゴシック" of
// height -15 in the Shift-JIS character set.
#include <windows.h>

#include "text_measure.h"
#include "ui/win32/win32_draw_text.h"
#include "ui/win32/win32_text.h"

namespace peruka::testing {
namespace {

class Win32TextMeasure final : public TextMeasure {
 public:
  Win32TextMeasure() : dc_(::GetDC(nullptr)) {
    font_ = ::CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    previous_ = ::SelectObject(dc_, font_);
  }
  ~Win32TextMeasure() override {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(font_);
    ::ReleaseDC(nullptr, dc_);
  }

  TextSize Measure(std::string_view shiftJis, bool prefix) const override {
    return MeasureWithDrawText(dc_, shiftJis, prefix, false, 5);
  }
  int PlainWidth(std::string_view shiftJis) const override {
    const std::wstring wide = ToWide(shiftJis);
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
  }
  int LineHeight() const override {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
  }

 private:
  HDC dc_;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace

std::unique_ptr<TextMeasure> MakeTextMeasure() { return std::make_unique<Win32TextMeasure>(); }

}  // namespace peruka::testing
