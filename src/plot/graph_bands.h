// The 95% bands around the exact polynomial: of the fitted mean and of a
// new observation, laid out at the centre of every pixel column as the
// curve is, one exact evaluation of the standard errors per column.
#pragma once

#include <vector>

#include "fit/exact_fit.h"
#include "plot/graph_data.h"

namespace peruka {

// Which bands to draw, from which exact fit (null: none).
struct BandChoice {
  const ExactFit* exact = nullptr;
  bool mean = false;
  bool prediction = false;
};

// One unbroken stretch of a band: at each pixel column's centre x, the
// pixel rows of its upper and lower edges.
struct BandPiece {
  std::vector<PixelPoint> upper;
  std::vector<PixelPoint> lower;
};
struct GraphBands {
  std::vector<BandPiece> mean;
  std::vector<BandPiece> prediction;
};

// The ranges widened so that the chosen bands show over the x range: their
// edges at evenly spaced x, and a twentieth of the new height beyond them.
GraphRanges WidenedForBands(const BandChoice& choice, const GraphRanges& ranges);

// The bands chosen; none when the fit is not unique or leaves no degree of
// freedom. A band breaks where its edges leave the finite range.
GraphBands LayOutBands(const BandChoice& choice, const GraphRanges& ranges, const PlotArea& area);

}  // namespace peruka
