#include "plot/graph_bands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fit/exact_power_sums.h"

namespace peruka {
namespace {

ExactFit FitOf(int degree, const std::vector<std::string>& x, const std::vector<std::string>& y) {
  ExactPowerSums sums(degree);
  for (std::size_t i = 0; i < x.size(); ++i) sums.Add(x[i], y[i], '.');
  return ExactFit::Solve(sums);
}

// A straight line through (0, 1), (1, 3), (2, 2), (3, 5): p(x) = 1.1 + 1.1x,
// s² = 27/20, t = 4.302652729749464 for two degrees of freedom. The half
// widths t·se were computed in Python's fractions.
TEST(GraphBands, EdgesLieAtTheRowsOfTheIntervals) {
  const ExactFit fit = FitOf(1, {"0", "1", "2", "3"}, {"1", "3", "2", "5"});
  // Column c is centred on x = c/100; a unit of y is ten rows.
  const GraphRanges ranges{{-0.005, 3.995}, {-5.0, 15.0}};
  const PlotArea area{10.0, 20.0, 400.0, 200.0};
  const GraphBands bands = LayOutBands({&fit, true, true}, ranges, area);
  ASSERT_EQ(bands.mean.size(), 1u);
  ASSERT_EQ(bands.prediction.size(), 1u);
  ASSERT_EQ(bands.mean[0].upper.size(), 400u);
  const struct {
    std::size_t column;
    double centre;
    double meanHalf;
    double predictionHalf;
  } rows[] = {
      {50, 1.65, 3.3535859108629467, 6.019870941627084},
      {150, 2.75, 2.4996153550250333, 5.589309851438244},
      {250, 3.85, 3.3535859108629467, 6.019870941627084},
      {350, 4.95, 5.122687095355627, 7.157809076053284},
  };
  const auto row = [](double y) { return 20.0 + (15.0 - y) * 10.0; };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.column);
    const BandPiece& mean = bands.mean[0];
    const BandPiece& prediction = bands.prediction[0];
    EXPECT_DOUBLE_EQ(mean.upper[r.column].x, 10.5 + static_cast<double>(r.column));
    EXPECT_NEAR(mean.upper[r.column].y, row(r.centre + r.meanHalf), 1e-9);
    EXPECT_NEAR(mean.lower[r.column].y, row(r.centre - r.meanHalf), 1e-9);
    EXPECT_NEAR(prediction.upper[r.column].y, row(r.centre + r.predictionHalf), 1e-9);
    EXPECT_NEAR(prediction.lower[r.column].y, row(r.centre - r.predictionHalf), 1e-9);
  }
}

TEST(GraphBands, NoneUnlessChosenAndDefined) {
  const GraphRanges ranges{{0.0, 4.0}, {0.0, 6.0}};
  const PlotArea area{0.0, 0.0, 100.0, 100.0};
  const ExactFit line = FitOf(1, {"0", "1", "2", "3"}, {"1", "3", "2", "5"});
  const ExactFit twoPoints = FitOf(1, {"0", "1"}, {"1", "3"});       // no degree of freedom
  const ExactFit oneX = FitOf(1, {"2", "2", "2"}, {"1", "3", "2"});  // not unique
  const struct {
    const char* name;
    BandChoice choice;
    bool mean;
    bool prediction;
  } cases[] = {
      {"no fit", {nullptr, true, true}, false, false},
      {"none chosen", {&line, false, false}, false, false},
      {"mean only", {&line, true, false}, true, false},
      {"prediction only", {&line, false, true}, false, true},
      {"no degree of freedom", {&twoPoints, true, true}, false, false},
      {"not unique", {&oneX, true, true}, false, false},
  };
  for (const auto& c : cases) {
    const GraphBands bands = LayOutBands(c.choice, ranges, area);
    EXPECT_EQ(!bands.mean.empty(), c.mean) << c.name;
    EXPECT_EQ(!bands.prediction.empty(), c.prediction) << c.name;
  }
}

}  // namespace
}  // namespace peruka
