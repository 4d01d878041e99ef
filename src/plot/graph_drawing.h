// The graph as a drawing: the points, the fitted polynomial, optionally the
// residuals, another polynomial beside the fit (the exact one) and the 95%
// bands, with a legend telling them apart, the axes with their ticks and numbers, and
// a heading with the degree and R², laid out for a size. The screen, an
// image and an SVG document are all made from this one list.
#pragma once

#include <cstddef>
#include <string>

#include "plot/drawing.h"
#include "plot/graph_bands.h"
#include "plot/graph_data.h"

namespace peruka {

// The colours of the graph's parts.
inline constexpr Rgb kGraphBackground = 0xFFFFFF;
inline constexpr Rgb kFrameColor = 0x505050;
inline constexpr Rgb kGridColor = 0xE6E6E6;
inline constexpr Rgb kTextColor = 0x202020;
inline constexpr Rgb kCurveColor = 0x1F5FBF;
inline constexpr Rgb kMarkColor = 0xD04010;
inline constexpr Rgb kResidualColor = 0x30A030;
inline constexpr Rgb kExactCurveColor = 0xC0189C;
// The bands: a light fill and a darker edge each; the legend's stroke of a
// band is this wide.
inline constexpr Rgb kMeanBandColor = 0xC9D9F2;
inline constexpr Rgb kMeanEdgeColor = 0x6F90CC;
inline constexpr Rgb kPredictionBandColor = 0xE6EEF8;
inline constexpr Rgb kPredictionEdgeColor = 0xA3BADF;
inline constexpr double kBandLegendWidth = 8.0;

// Up to this many marks are drawn as round dots; more as small squares.
inline constexpr std::size_t kMaxRoundMarks = 4000;

// The texts of the graph, in UTF-8: the heading is drawn as the lead, the
// exponent raised and smaller, and the tail.
struct GraphTexts {
  std::string title;
  std::string heading;  // the whole heading as plain text, the drawing's description
  std::string headingLead;
  std::string headingExponent;
  std::string headingTail;
  // The legend's names of the fit, of the exact polynomial and of the bands.
  std::string fitLegend;
  std::string exactLegend;
  std::string meanBandLegend;
  std::string predictionBandLegend;
};

struct GraphPicture {
  Drawing drawing;
  // Where the data land: the plot area and the visible ranges.
  PlotArea area;
  GraphRanges ranges;
};

// The graph of `data` (none: the background alone) at a size, its texts in
// the backend's font at `pixelSize`, the tick numbers with the decimal mark;
// with the `exact` polynomial's curve, wider, under the fit's when it is
// given (in the same ranges: the points and the fit choose them), and the
// bands chosen under everything else.
GraphPicture DrawGraph(const GraphData* data, int width, int height, bool residuals, const GraphTexts& texts,
                       const TextMetrics& metrics, int pixelSize, char decimalMark,
                       const FitResult* exact = nullptr, const BandChoice& bands = {});

}  // namespace peruka
