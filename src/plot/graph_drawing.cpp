#include "plot/graph_drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "plot/axis_ticks.h"

namespace peruka {

namespace {

constexpr double kTickLength = 5.0;
constexpr double kMarkRadius = 3.0;
constexpr double kExactCurveWidth = 5.0;
// Pixels per tick the axes aim at.
constexpr double kPixelsPerYTick = 45.0;
constexpr double kPixelsPerXTick = 90.0;

std::vector<std::string> Labels(const AxisTicks& ticks, char decimalMark) {
  std::vector<std::string> labels;
  for (int i = 0; i < ticks.count; ++i) labels.push_back(TickLabel(ticks, ticks.Value(i), decimalMark));
  return labels;
}

double Widest(const TextMetrics& metrics, int pixelSize, const std::vector<std::string>& labels) {
  double widest = 0.0;
  for (const std::string& label : labels) widest = std::max(widest, metrics.Width(label, pixelSize));
  return widest;
}

struct Axes {
  AxisTicks xTicks;
  AxisTicks yTicks;
  std::vector<std::string> xLabels;
  std::vector<std::string> yLabels;
};

// The plot area at a size: whole pixels, so that the frame and the ticks
// fall on pixel edges, with room for the heading and the tick numbers.
PlotArea LayOutArea(const GraphRanges& ranges, int width, int height, const TextMetrics& metrics,
                    int pixelSize, char decimalMark, Axes& axes) {
  const double line = metrics.Height(pixelSize);
  const double top = std::ceil(2.0 * line + 6.0);
  const double bottom = std::ceil(kTickLength + line + 10.0);
  const double areaHeight = std::max(20.0, height - top - bottom);
  axes.yTicks =
      ChooseTicks(ranges.y.lo, ranges.y.hi, std::max(2, static_cast<int>(areaHeight / kPixelsPerYTick)));
  axes.yLabels = Labels(axes.yTicks, decimalMark);
  const double left = std::ceil(10.0 + Widest(metrics, pixelSize, axes.yLabels) + 4.0 + kTickLength);
  const double right = 20.0;
  const double areaWidth = std::max(20.0, width - left - right);
  // Fewer x ticks while their numbers would run into each other.
  for (int target = std::max(2, static_cast<int>(areaWidth / kPixelsPerXTick)); target >= 1; --target) {
    axes.xTicks = ChooseTicks(ranges.x.lo, ranges.x.hi, target);
    axes.xLabels = Labels(axes.xTicks, decimalMark);
    const double spacing = axes.xTicks.step / (ranges.x.hi - ranges.x.lo) * areaWidth;
    if (Widest(metrics, pixelSize, axes.xLabels) + 12.0 <= spacing) break;
  }
  return PlotArea{left, top, areaWidth, areaHeight};
}

void DrawAxes(Drawing& drawing, const PlotArea& area, const GraphRanges& ranges, const Axes& axes,
              const TextMetrics& metrics, int pixelSize) {
  const double plotBottom = area.top + area.height;
  const double plotRight = area.left + area.width;
  LineSegments grid{{}, kGridColor, 1.0, LineCap::kSquare};
  LineSegments ticks{{}, kFrameColor, 1.0, LineCap::kSquare};
  for (int i = 0; i < axes.xTicks.count; ++i) {
    const double x = std::round(PixelX(area, ranges.x, axes.xTicks.Value(i))) + 0.5;
    grid.ends.insert(grid.ends.end(), {{x, area.top}, {x, plotBottom}});
    ticks.ends.insert(ticks.ends.end(), {{x, plotBottom}, {x, plotBottom + kTickLength}});
  }
  for (int i = 0; i < axes.yTicks.count; ++i) {
    const double y = std::round(PixelY(area, ranges.y, axes.yTicks.Value(i))) + 0.5;
    grid.ends.insert(grid.ends.end(), {{area.left, y}, {plotRight, y}});
    ticks.ends.insert(ticks.ends.end(), {{area.left - kTickLength, y}, {area.left, y}});
  }
  drawing.items.emplace_back(std::move(grid));
  drawing.items.emplace_back(std::move(ticks));
  drawing.items.emplace_back(
      StrokedRect{{area.left + 0.5, area.top + 0.5, area.width - 1.0, area.height - 1.0}, kFrameColor, 1.0});
  const double ascent = metrics.Ascent(pixelSize);
  for (int i = 0; i < axes.xTicks.count; ++i) {
    const double x = PixelX(area, ranges.x, axes.xTicks.Value(i));
    const std::string& label = axes.xLabels[static_cast<std::size_t>(i)];
    const double w = metrics.Width(label, pixelSize);
    drawing.items.emplace_back(
        TextRun{{x - w / 2.0, plotBottom + kTickLength + 3.0 + ascent}, label, pixelSize, kTextColor});
  }
  for (int i = 0; i < axes.yTicks.count; ++i) {
    const double y = PixelY(area, ranges.y, axes.yTicks.Value(i));
    const std::string& label = axes.yLabels[static_cast<std::size_t>(i)];
    const double w = metrics.Width(label, pixelSize);
    drawing.items.emplace_back(
        TextRun{{area.left - kTickLength - 4.0 - w, y + ascent / 2.0 - 1.0}, label, pixelSize, kTextColor});
  }
}

void DrawCurve(Drawing& drawing, const std::vector<std::vector<PixelPoint>>& curve, Rgb color, double width) {
  for (const std::vector<PixelPoint>& piece : curve) {
    SmoothPolyline line{{}, color, width};
    line.points.reserve(piece.size());
    for (const PixelPoint& point : piece) line.points.push_back({point.x, point.y});
    drawing.items.emplace_back(std::move(line));
  }
}

// A band as a light fill, a pixel column wide from edge to edge at every
// column, with its two edges as thin lines.
void DrawBand(Drawing& drawing, const std::vector<BandPiece>& pieces, Rgb fill, Rgb edge) {
  for (const BandPiece& piece : pieces) {
    LineSegments columns{{}, fill, 1.0, LineCap::kFlat};
    columns.ends.reserve(2 * piece.upper.size());
    for (std::size_t i = 0; i < piece.upper.size(); ++i)
      columns.ends.insert(columns.ends.end(),
                          {{piece.upper[i].x, piece.upper[i].y}, {piece.lower[i].x, piece.lower[i].y}});
    drawing.items.emplace_back(std::move(columns));
  }
  for (const BandPiece& piece : pieces) {
    DrawCurve(drawing, {piece.upper}, edge, 1.0);
    DrawCurve(drawing, {piece.lower}, edge, 1.0);
  }
}

// The bands, the residuals, the curves and the points, inside the frame;
// the wider prediction band under the band of the mean; the exact curve
// wider under the fit's, so that where the two agree it borders the fit's
// on both sides, and where they part it runs on its own.
void DrawData(Drawing& drawing, const PlotArea& area, const GraphGeometry& geometry, bool residuals,
              const std::vector<std::vector<PixelPoint>>& exactCurve, const GraphBands& bands) {
  drawing.items.emplace_back(ClipBegin{{area.left, area.top, area.width, area.height}});
  DrawBand(drawing, bands.prediction, kPredictionBandColor, kPredictionEdgeColor);
  DrawBand(drawing, bands.mean, kMeanBandColor, kMeanEdgeColor);
  if (residuals && !geometry.residuals.empty()) {
    LineSegments spans{{}, kResidualColor, 2.0, LineCap::kFlat};
    spans.ends.reserve(2 * geometry.residuals.size());
    for (const VerticalSpan& span : geometry.residuals)
      spans.ends.insert(spans.ends.end(), {{span.x, span.top}, {span.x, span.bottom}});
    drawing.items.emplace_back(std::move(spans));
  }
  DrawCurve(drawing, exactCurve, kExactCurveColor, kExactCurveWidth);
  DrawCurve(drawing, geometry.curve, kCurveColor, 2.0);
  if (geometry.marks.size() <= kMaxRoundMarks) {
    Dots dots{{}, kMarkRadius, kMarkColor};
    dots.centres.reserve(geometry.marks.size());
    for (const PixelPoint& mark : geometry.marks) dots.centres.push_back({mark.x, mark.y});
    drawing.items.emplace_back(std::move(dots));
  } else {
    Squares squares{{}, kMarkColor};
    squares.squares.reserve(geometry.marks.size());
    for (const PixelPoint& mark : geometry.marks)
      squares.squares.push_back({mark.x - kMarkCell / 2.0, mark.y - kMarkCell / 2.0, kMarkCell, kMarkCell});
    drawing.items.emplace_back(std::move(squares));
  }
  drawing.items.emplace_back(ClipEnd{});
}

// The heading, centred at the top: the exponent smaller and raised.
void DrawHeading(Drawing& drawing, int width, const GraphTexts& texts, const TextMetrics& metrics,
                 int pixelSize) {
  const int small = std::max(6, pixelSize * 7 / 10);
  const double leadWidth = metrics.Width(texts.headingLead, pixelSize);
  const double exponentWidth = metrics.Width(texts.headingExponent, small);
  const double total = leadWidth + exponentWidth + metrics.Width(texts.headingTail, pixelSize);
  double x = std::max(4.0, (width - total) / 2.0);
  const double ascent = metrics.Ascent(pixelSize);
  const double baseline = 6.0 + ascent;
  drawing.items.emplace_back(TextRun{{x, baseline}, texts.headingLead, pixelSize, kTextColor});
  x += leadWidth;
  drawing.items.emplace_back(
      TextRun{{x, baseline - ascent * 0.45}, texts.headingExponent, small, kTextColor});
  x += exponentWidth;
  drawing.items.emplace_back(TextRun{{x, baseline}, texts.headingTail, pixelSize, kTextColor});
}

// The legend of the curves and bands drawn, right-aligned on the line under
// the heading: a stroke of each one's colour before its name.
void DrawLegend(Drawing& drawing, const PlotArea& area, const GraphTexts& texts, const TextMetrics& metrics,
                int pixelSize, bool exact, const GraphBands& bands) {
  constexpr double kStroke = 16.0;
  constexpr double kGap = 4.0;
  constexpr double kBetween = 14.0;
  const double ascent = metrics.Ascent(pixelSize);
  const double baseline = 6.0 + metrics.Height(pixelSize) + ascent;
  const double middle = baseline - ascent / 2.0 + 1.0;
  struct Entry {
    const std::string& name;
    Rgb color;
    double width;
  };
  std::vector<Entry> entries{{texts.fitLegend, kCurveColor, 2.0}};
  if (exact) entries.push_back({texts.exactLegend, kExactCurveColor, kExactCurveWidth});
  if (!bands.mean.empty()) entries.push_back({texts.meanBandLegend, kMeanBandColor, kBandLegendWidth});
  if (!bands.prediction.empty())
    entries.push_back({texts.predictionBandLegend, kPredictionBandColor, kBandLegendWidth});
  double total = 0.0;
  for (const auto& entry : entries) total += kStroke + kGap + metrics.Width(entry.name, pixelSize);
  double x = std::max(4.0, area.left + area.width - total - kBetween);
  for (const auto& entry : entries) {
    drawing.items.emplace_back(
        LineSegments{{{x, middle}, {x + kStroke, middle}}, entry.color, entry.width, LineCap::kFlat});
    x += kStroke + kGap;
    drawing.items.emplace_back(TextRun{{x, baseline}, entry.name, pixelSize, kTextColor});
    x += metrics.Width(entry.name, pixelSize) + kBetween;
  }
}

}  // namespace

GraphPicture DrawGraph(const GraphData* data, int width, int height, bool residuals, const GraphTexts& texts,
                       const TextMetrics& metrics, int pixelSize, char decimalMark, const FitResult* exact,
                       const BandChoice& bandChoice) {
  GraphPicture picture;
  Drawing& drawing = picture.drawing;
  drawing.width = width;
  drawing.height = height;
  drawing.title = texts.title;
  drawing.description = texts.heading;
  drawing.items.emplace_back(
      FilledRect{{0.0, 0.0, static_cast<double>(width), static_cast<double>(height)}, kGraphBackground});
  if (!data || data->x.empty()) return picture;
  Axes axes;
  GraphGeometry geometry;
  std::vector<std::vector<PixelPoint>> exactCurve;
  GraphBands bands;
  picture.ranges = WidenedForBands(bandChoice, ChooseRanges(*data));
  if (Drawable(picture.ranges)) {
    picture.area = LayOutArea(picture.ranges, width, height, metrics, pixelSize, decimalMark, axes);
    geometry = LayOutGraph(*data, picture.ranges, picture.area, residuals);
    if (exact) exactCurve = LayOutCurve(*exact, picture.ranges, picture.area);
    bands = LayOutBands(bandChoice, picture.ranges, picture.area);
  }
  DrawAxes(drawing, picture.area, picture.ranges, axes, metrics, pixelSize);
  DrawData(drawing, picture.area, geometry, residuals, exactCurve, bands);
  DrawHeading(drawing, width, texts, metrics, pixelSize);
  if (exact || !bands.mean.empty() || !bands.prediction.empty())
    DrawLegend(drawing, picture.area, texts, metrics, pixelSize, exact != nullptr, bands);
  return picture;
}

}  // namespace peruka
