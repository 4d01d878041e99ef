// What the graph shows, and where each part of it lands in pixels: the
// points, the fitted polynomial at every pixel column, and the residuals.
// Nothing here draws; the window paints the geometry as it is laid out.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "fit/column.h"
#include "fit/fit_polynomial.h"
#include "numeric/extended.h"

namespace peruka {

// The points of one calculation with its fit.
struct GraphData {
  FitResult fit;
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> fitted;  // p(x[i]), evaluated in extended precision and stored
  std::optional<double> rSquared;
};

// The points of the columns the fit read (converted as the fit converts
// them) with the fit's values and R². Throws EConvertError for a text the
// fit would have refused.
GraphData MakeGraphData(const FitResult& fit, const Column& xColumn, const Column& yColumn);
// The same for points already converted; x and y have equal sizes.
GraphData MakeGraphData(const FitResult& fit, std::vector<double> x, std::vector<double> y);

struct Range {
  double lo = 0.0;
  double hi = 1.0;
};

// The visible ranges: every point, and for y the curve too as far as it
// stays within one height of the points on either side; each widened by a
// twentieth on both sides (a range of one value by a unit, or a tenth of
// its size).
struct GraphRanges {
  Range x;
  Range y;
};
GraphRanges ChooseRanges(const GraphData& data);
// False for ranges too wide for a double (values near the ends of its
// range): nothing is laid out then.
bool Drawable(const GraphRanges& ranges);

// The plot area in pixels; x grows to the right, y downwards.
struct PlotArea {
  double left = 0.0;
  double top = 0.0;
  double width = 1.0;
  double height = 1.0;
};

// From values to pixels: lo maps to the area's left (bottom) edge, hi to its
// right (top) edge.
double PixelX(const PlotArea& area, const Range& range, double x);
double PixelY(const PlotArea& area, const Range& range, double y);

struct PixelPoint {
  double x;
  double y;
};
struct VerticalSpan {
  double x;
  double top;
  double bottom;
};

// One mark for each occupied cell of kMarkCell × kMarkCell pixels, at the
// cell's centre, so a million points draw as at most a mark per cell and the
// marks of a dense cloud tile without gaps.
inline constexpr double kMarkCell = 2.0;

struct GraphGeometry {
  std::vector<PixelPoint> marks;
  // The curve at the centre of every pixel column, broken where the
  // polynomial leaves the finite range.
  std::vector<std::vector<PixelPoint>> curve;
  // For every pixel column that holds points: from the highest to the lowest
  // of its points and their fitted values (empty unless asked for).
  std::vector<VerticalSpan> residuals;
};

GraphGeometry LayOutGraph(const GraphData& data, const GraphRanges& ranges, const PlotArea& area,
                          bool residuals);

// Pixel coordinates far outside the area are held to a few areas away, so
// the painter never meets a huge coordinate; what is drawn inside stays.
double HeldPixel(double pixel, double from, double size);

// The curve is laid out at the centre of every pixel column: how many there
// are, and the x at the centre of one.
int CurveColumns(const PlotArea& area);
Extended ColumnCentreX(const GraphRanges& ranges, const PlotArea& area, int column);

// A polynomial's curve as GraphGeometry::curve lays the fit's out.
std::vector<std::vector<PixelPoint>> LayOutCurve(const FitResult& polynomial, const GraphRanges& ranges,
                                                 const PlotArea& area);

}  // namespace peruka
