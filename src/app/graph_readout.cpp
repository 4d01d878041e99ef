#include "app/graph_readout.h"

#include <algorithm>
#include <cmath>

#include "app/window_texts.h"
#include "fit/column_check.h"
#include "fit/evaluate_polynomial.h"
#include "fit/fitted_value.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/shortest_decimal.h"
#include "text/numeric_text.h"
#include "text/shift_jis.h"
#include "text/trim.h"

namespace peruka {

namespace {

// Columns the cursor moves with Shift held.
constexpr double kCursorBigStep = 10.0;

}  // namespace

std::string EntryReadout(const GraphData& data, const ExactFit* exact, std::string_view text,
                         char decimalMark) {
  const std::string_view x = TrimmedView(text);
  if (x.empty()) return {};
  if (!IsNumericText(x)) return ShiftJisToUtf8(NoticeText(ColumnCheck::NotNumeric));
  double value = 0.0;
  try {
    value = ParseDecimal(x);
  } catch (const Exception& error) {
    return ShiftJisToUtf8(error.Message());
  }
  return FittedValueText(ShiftJisToUtf8(x), EvaluateFit(data.fit, exact, value, x, decimalMark), decimalMark);
}

double CursorColumn(const PlotArea& area, double pixelX) {
  const double last = std::max(0.0, std::ceil(area.width) - 1.0);
  return area.left + std::clamp(std::floor(pixelX - area.left), 0.0, last) + 0.5;
}

double CursorAfterKey(const PlotArea& area, std::optional<double> cursor, CursorKey key, bool shift) {
  const double step = shift ? kCursorBigStep : 1.0;
  switch (key) {
    case CursorKey::Left:
      return CursorColumn(area, cursor ? *cursor - step : area.left + area.width / 2.0);
    case CursorKey::Right:
      return CursorColumn(area, cursor ? *cursor + step : area.left + area.width / 2.0);
    case CursorKey::Home:
      return CursorColumn(area, area.left);
    case CursorKey::End:
      break;
  }
  return CursorColumn(area, area.left + area.width);
}

std::optional<CursorReading> ReadCursor(const GraphData& data, const GraphRanges& ranges,
                                        const PlotArea& area, double pixelX) {
  if (data.x.empty() || !Drawable(ranges) || !(pixelX >= area.left && pixelX < area.left + area.width))
    return std::nullopt;
  const int column = static_cast<int>(pixelX - area.left);
  const double centre = StoreDouble(ColumnCentreX(ranges, area, column));
  const double halfColumn = (ranges.x.hi - ranges.x.lo) / area.width / 2.0;
  CursorReading reading;
  reading.x = FewestDigitsNear(centre, halfColumn);
  reading.xText = ShortestDecimal(reading.x);
  reading.value = StoreDouble(EvaluatePolynomial(data.fit, static_cast<Extended>(reading.x)));
  return reading;
}

std::string CursorReadout(const CursorReading& reading, char decimalMark) {
  std::string x = reading.xText;
  for (char& c : x)
    if (c == '.') c = decimalMark;
  std::string text = ShiftJisToUtf8(TextOf(WindowText::CursorLead));
  text.append("  x = ")
      .append(x)
      .append("  p(x) = ")
      .append(std::isfinite(reading.value) ? ShortestDecimal(reading.value, decimalMark) : std::string("-"));
  return text;
}

}  // namespace peruka
