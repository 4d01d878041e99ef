#include "plot/graph_data.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "fit/evaluate_polynomial.h"
#include "fit/fit_quality.h"
#include "numeric/decimal_parse.h"

namespace peruka {

namespace {

// Curve samples per range when choosing the y range, independent of pixels.
constexpr int kRangeSamples = 512;

Range Widened(double lo, double hi) {
  if (!(lo < hi)) {
    const double half = lo == 0.0 ? 1.0 : std::fabs(lo) * 0.1;
    return {lo - half, hi + half};
  }
  const double margin = (hi - lo) / 20.0;
  return {lo - margin, hi + margin};
}

}  // namespace

double HeldPixel(double pixel, double from, double size) {
  return std::clamp(pixel, from - 4.0 * size, from + 5.0 * size);
}

int CurveColumns(const PlotArea& area) { return std::max(1, static_cast<int>(std::ceil(area.width))); }

Extended ColumnCentreX(const GraphRanges& ranges, const PlotArea& area, int column) {
  const Extended xStep = (static_cast<Extended>(ranges.x.hi) - ranges.x.lo) / area.width;
  return ranges.x.lo + xStep * (column + 0.5);
}

GraphData MakeGraphData(const FitResult& fit, const Column& xColumn, const Column& yColumn) {
  std::vector<double> x(xColumn.Count());
  std::vector<double> y(yColumn.Count());
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = ParseDecimal(xColumn[i]);
    y[i] = ParseDecimal(yColumn[i]);
  }
  return MakeGraphData(fit, std::move(x), std::move(y));
}

GraphData MakeGraphData(const FitResult& fit, std::vector<double> x, std::vector<double> y) {
  GraphData data;
  data.fit = fit;
  data.fitted.resize(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) data.fitted[i] = StoreDouble(EvaluatePolynomial(fit, x[i]));
  if (!x.empty()) data.rSquared = MeasureFit(fit, x, y).rSquared;
  data.x = std::move(x);
  data.y = std::move(y);
  return data;
}

GraphRanges ChooseRanges(const GraphData& data) {
  GraphRanges ranges;
  if (data.x.empty()) return ranges;
  const auto [xLo, xHi] = std::minmax_element(data.x.begin(), data.x.end());
  const auto [yLo, yHi] = std::minmax_element(data.y.begin(), data.y.end());
  ranges.x = Widened(*xLo, *xHi);
  double lo = *yLo;
  double hi = *yHi;
  const double reach = std::max(hi - lo, 1e-300);
  const Extended step = (static_cast<Extended>(ranges.x.hi) - ranges.x.lo) / kRangeSamples;
  for (int i = 0; i <= kRangeSamples; ++i) {
    const double value = StoreDouble(EvaluatePolynomial(data.fit, ranges.x.lo + step * i));
    if (!std::isfinite(value)) continue;
    lo = std::min(lo, std::max(value, *yLo - reach));
    hi = std::max(hi, std::min(value, *yHi + reach));
  }
  ranges.y = Widened(lo, hi);
  return ranges;
}

bool Drawable(const GraphRanges& ranges) {
  return std::isfinite(ranges.x.hi - ranges.x.lo) && std::isfinite(ranges.y.hi - ranges.y.lo) &&
         ranges.x.hi > ranges.x.lo && ranges.y.hi > ranges.y.lo;
}

double PixelX(const PlotArea& area, const Range& range, double x) {
  return area.left + (x - range.lo) / (range.hi - range.lo) * area.width;
}

double PixelY(const PlotArea& area, const Range& range, double y) {
  return area.top + (range.hi - y) / (range.hi - range.lo) * area.height;
}

GraphGeometry LayOutGraph(const GraphData& data, const GraphRanges& ranges, const PlotArea& area,
                          bool residuals) {
  GraphGeometry geometry;
  if (!Drawable(ranges)) return geometry;
  const double xScale = area.width / (ranges.x.hi - ranges.x.lo);
  const double yScale = area.height / (ranges.y.hi - ranges.y.lo);
  const auto toX = [&](double x) {
    return HeldPixel(area.left + (x - ranges.x.lo) * xScale, area.left, area.width);
  };
  const auto toY = [&](double y) {
    return HeldPixel(area.top + (ranges.y.hi - y) * yScale, area.top, area.height);
  };

  geometry.curve = LayOutCurve(data.fit, ranges, area);
  const int columns = CurveColumns(area);

  // One mark per occupied cell.
  const auto cellsAcross = static_cast<std::size_t>(area.width / kMarkCell) + 1;
  const auto cellsDown = static_cast<std::size_t>(area.height / kMarkCell) + 1;
  std::vector<std::uint8_t> occupied(cellsAcross * cellsDown, 0);
  const std::size_t count = data.x.size();
  for (std::size_t i = 0; i < count; ++i) {
    const double px = toX(data.x[i]);
    const double py = toY(data.y[i]);
    const double cx = std::floor((px - area.left) / kMarkCell);
    const double cy = std::floor((py - area.top) / kMarkCell);
    if (!(cx >= 0.0 && cy >= 0.0 && cx < static_cast<double>(cellsAcross) &&
          cy < static_cast<double>(cellsDown)))
      continue;  // outside, or not a number
    std::uint8_t& cell = occupied[static_cast<std::size_t>(cy) * cellsAcross + static_cast<std::size_t>(cx)];
    if (cell) continue;
    cell = 1;
    // At the cell's centre, so that the marks of adjoining cells tile.
    geometry.marks.push_back({area.left + (cx + 0.5) * kMarkCell, area.top + (cy + 0.5) * kMarkCell});
  }

  // The residuals, one span per pixel column.
  if (residuals) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    std::vector<VerticalSpan> spans(static_cast<std::size_t>(columns) + 1, VerticalSpan{kNone, 0.0, 0.0});
    for (std::size_t i = 0; i < count; ++i) {
      const double px = toX(data.x[i]);
      const double column = std::floor(px - area.left);
      if (!(column >= 0.0 && column <= columns)) continue;
      const double a = toY(data.y[i]);
      const double b = toY(data.fitted[i]);
      VerticalSpan& span = spans[static_cast<std::size_t>(column)];
      if (std::isnan(span.x)) {
        span = {px, std::min(a, b), std::max(a, b)};
      } else {
        span.top = std::min(span.top, std::min(a, b));
        span.bottom = std::max(span.bottom, std::max(a, b));
      }
    }
    for (const VerticalSpan& span : spans)
      if (!std::isnan(span.x)) geometry.residuals.push_back(span);
  }
  return geometry;
}

std::vector<std::vector<PixelPoint>> LayOutCurve(const FitResult& polynomial, const GraphRanges& ranges,
                                                 const PlotArea& area) {
  std::vector<std::vector<PixelPoint>> curve;
  if (!Drawable(ranges)) return curve;
  const double yScale = area.height / (ranges.y.hi - ranges.y.lo);
  // The curve at the centre of each pixel column.
  const int columns = CurveColumns(area);
  std::vector<PixelPoint> piece;
  piece.reserve(static_cast<std::size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    const Extended value = EvaluatePolynomial(polynomial, ColumnCentreX(ranges, area, c));
    if (!IsFinite(value)) {
      if (!piece.empty()) curve.push_back(std::exchange(piece, {}));
      continue;
    }
    const Extended pixel = area.top + (ranges.y.hi - value) * yScale;
    piece.push_back({area.left + c + 0.5, HeldPixel(StoreDouble(pixel), area.top, area.height)});
  }
  if (!piece.empty()) curve.push_back(std::move(piece));
  return curve;
}

}  // namespace peruka
