#include "ui/layout_rules.h"

#include <algorithm>

#include "ui/classes.h"

namespace peruka {

int ScaledFontHeight(int fontHeight, int screenPixelsPerInch, int definitionPixelsPerInch) {
  if (screenPixelsPerInch == definitionPixelsPerInch) return fontHeight;
  return MulDiv(fontHeight, screenPixelsPerInch, definitionPixelsPerInch);
}

Bounds ScaleBounds(const Bounds& bounds, int m, int d) {
  if (m == d) return bounds;
  const int left = MulDiv(bounds.left, m, d);
  const int top = MulDiv(bounds.top, m, d);
  return Bounds{left, top, MulDiv(bounds.left + bounds.width, m, d) - left,
                MulDiv(bounds.top + bounds.height, m, d) - top};
}

ScreenPosition CentredPosition(TCentring rule, int screenWidth, int screenHeight, int outerWidth,
                               int outerHeight) {
  if (rule == TCentring::kNotice)
    return {screenWidth / 2 - outerWidth / 2, screenHeight / 2 - outerHeight / 2};
  return {std::max((screenWidth - outerWidth) / 2, 0), std::max((screenHeight - outerHeight) / 2, 0)};
}

std::optional<ScreenPosition> CentredOnceFramed(TCentring rule, int screenWidth, int screenHeight,
                                                ScreenPosition placed, const Bounds& client,
                                                const Bounds& frame) {
  if (frame == client) return std::nullopt;
  if (ScreenPosition{client.left, client.top} != placed && ScreenPosition{frame.left, frame.top} != placed)
    return std::nullopt;
  return CentredPosition(rule, screenWidth, screenHeight, frame.width, frame.height);
}

Bounds AutoSizedLabelBounds(const Bounds& bounds, std::string_view caption, bool showAccelChar,
                            bool rightJustified, const std::function<TextSize(std::string_view)>& measure) {
  const bool blank = caption.empty() || (showAccelChar && caption == "&");
  const TextSize size = measure(blank ? std::string_view(" ") : caption);
  const int left = rightJustified ? bounds.left + bounds.width - size.width : bounds.left;
  return Bounds{left, bounds.top, size.width, size.height};
}

}  // namespace peruka
