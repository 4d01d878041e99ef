#include "plot/graph_bands.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "fit/fitted_value.h"
#include "numeric/shortest_decimal.h"

namespace peruka {

namespace {

// How far from a column's centre its x may be, in columns: far less than a
// pixel.
constexpr double kBandXTolerance = 1.0 / 1024.0;
// The x values at which the bands' extent is sampled, for the ranges.
constexpr int kBandRangeSamples = 64;

// Adds a column to the band's open piece, opening one if the band broke.
void Extend(std::vector<BandPiece>& pieces, bool& open, double px, double upper, double lower) {
  if (!open) pieces.emplace_back();
  open = true;
  pieces.back().upper.push_back({px, upper});
  pieces.back().lower.push_back({px, lower});
}

bool Finite(const std::optional<Interval>& interval) {
  return interval && std::isfinite(interval->lower) && std::isfinite(interval->upper);
}

}  // namespace

GraphRanges WidenedForBands(const BandChoice& choice, const GraphRanges& ranges) {
  if (choice.exact == nullptr || !(choice.mean || choice.prediction) || !Drawable(ranges)) return ranges;
  const std::optional<FitResult> polynomial = ExactPolynomial(*choice.exact);
  if (!polynomial || !choice.exact->TQuantile()) return ranges;
  double lo = ranges.y.lo;
  double hi = ranges.y.hi;
  for (int i = 0; i <= kBandRangeSamples; ++i) {
    const double x = FewestDigitsNear(ranges.x.lo + (ranges.x.hi - ranges.x.lo) * i / kBandRangeSamples,
                                      (ranges.x.hi - ranges.x.lo) / (1024.0 * kBandRangeSamples));
    const FittedValue fitted = EvaluateFit(*polynomial, choice.exact, x, ShortestPlainDecimal(x), '.');
    const std::optional<Interval>& widest = choice.prediction ? fitted.prediction : fitted.mean;
    if (!Finite(widest)) continue;
    lo = std::min(lo, widest->lower);
    hi = std::max(hi, widest->upper);
  }
  GraphRanges widened = ranges;
  const double margin = (hi - lo) / 20.0;
  if (lo < ranges.y.lo) widened.y.lo = lo - margin;
  if (hi > ranges.y.hi) widened.y.hi = hi + margin;
  return Drawable(widened) ? widened : ranges;
}

GraphBands LayOutBands(const BandChoice& choice, const GraphRanges& ranges, const PlotArea& area) {
  GraphBands bands;
  if (choice.exact == nullptr || !(choice.mean || choice.prediction) || !Drawable(ranges)) return bands;
  const std::optional<FitResult> polynomial = ExactPolynomial(*choice.exact);
  if (!polynomial || !choice.exact->TQuantile()) return bands;
  const double yScale = area.height / (ranges.y.hi - ranges.y.lo);
  const auto row = [&](double y) {
    return HeldPixel(area.top + (ranges.y.hi - y) * yScale, area.top, area.height);
  };
  bool meanOpen = false;
  bool predictionOpen = false;
  const int columns = CurveColumns(area);
  const double columnWidth = (ranges.x.hi - ranges.x.lo) / area.width;
  for (int c = 0; c < columns; ++c) {
    // Near the column's centre, an x of few digits (the exact errors take
    // longer the more digits it has), as the shortest plain decimal that
    // reads back as it.
    const double x =
        FewestDigitsNear(StoreDouble(ColumnCentreX(ranges, area, c)), kBandXTolerance * columnWidth);
    const FittedValue fitted = EvaluateFit(*polynomial, choice.exact, x, ShortestPlainDecimal(x), '.');
    const double px = area.left + c + 0.5;
    if (choice.mean && Finite(fitted.mean))
      Extend(bands.mean, meanOpen, px, row(fitted.mean->upper), row(fitted.mean->lower));
    else
      meanOpen = false;
    if (choice.prediction && Finite(fitted.prediction))
      Extend(bands.prediction, predictionOpen, px, row(fitted.prediction->upper),
             row(fitted.prediction->lower));
    else
      predictionOpen = false;
  }
  return bands;
}

}  // namespace peruka
