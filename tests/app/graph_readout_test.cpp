// The graph window's read-outs: the x entry's line and the cursor's.
#include "app/graph_readout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fit/fit_polynomial.h"
#include "numeric/locale_mark.h"

namespace peruka {
namespace {

// y = 1, 3, 2, 5 at x = 0..3, degree 1: p(x) = 1.1 + 1.1x, and at x = 2.5
// t·se = 3.3535859108629467 (mean) and 6.019870941627084 (a new y), from
// Python's fractions. p(2.5) of the rounded coefficients is exact in
// extended precision and halfway between two doubles: the even one is
// 3.8500000000000005.
struct Line {
  Column x = Column::FromLines({"0", "1", "2", "3"});
  Column y = Column::FromLines({"1", "3", "2", "5"});
  FitResult fit = FitPolynomial(0, x, y);  // the first degree
  ExactFit exact = FitExactly(1, x, y);
  GraphData data = MakeGraphData(fit, x, y);
};

// The ends of every "[a, b]" in the text.
std::vector<double> IntervalEnds(const std::string& text) {
  std::vector<double> ends;
  for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) {
    char* comma = nullptr;
    ends.push_back(std::strtod(text.c_str() + at + 1, &comma));
    ends.push_back(std::strtod(comma + 1, nullptr));
  }
  return ends;
}

TEST(EntryReadout, ValueAndIntervalsOrWhyNot) {
  const Line line;
  const std::string at = EntryReadout(line.data, &line.exact, " 2.5 ", '.');
  ASSERT_EQ(at.rfind("p(2.5) = 3.8500000000000005 (厳密解)  95% 信頼区間: [", 0), 0u) << at;
  const std::vector<double> numbers = IntervalEnds(at);
  ASSERT_EQ(numbers.size(), 4u) << at;
  EXPECT_NEAR(numbers[0], 3.85 - 3.3535859108629467, 1e-14);
  EXPECT_NEAR(numbers[1], 3.85 + 3.3535859108629467, 1e-14);
  EXPECT_NEAR(numbers[2], 3.85 - 6.019870941627084, 1e-14);
  EXPECT_NEAR(numbers[3], 3.85 + 6.019870941627084, 1e-14);

  const struct {
    const char* text;
    const ExactFit* exact;
    std::string shown;
  } cases[] = {
      {"", &line.exact, ""},
      {"   ", &line.exact, ""},
      // Without the exact fit: the calculation's value, no intervals.
      {"2.5", nullptr,
       "p(2.5) = 3.85 (計算結果)  95% 信頼区間: 定義されません  95% 予測区間: 定義されません"},
      {"abc", &line.exact, "数字じゃないデータがあるよ(･･､)"},
      {"-", &line.exact, "'-' は浮動小数点ではありません"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EntryReadout(line.data, c.exact, c.text, '.'), c.shown) << c.text;
  }
}

// 300 columns over x in [0, 4]: a column is 1/75 wide.
TEST(CursorReadout, ReadsTheFewestDigitsWithinHalfAColumn) {
  const Line line;
  const GraphRanges ranges{{0.0, 4.0}, {0.0, 6.0}};
  const PlotArea area{20.0, 10.0, 300.0, 200.0};
  const struct {
    double pixel;
    const char* x;
  } cases[] = {
      {120.2, "1.34"},  // column 100, centred on 1.34
      {20.0, "0.007"},  // column 0, centred on 0.00667
      {319.9, "3.99"},  // the last column, centred on 3.99333
      {57.3, "0.5"},    // column 37, centred on 0.5
  };
  for (const auto& c : cases) {
    const std::optional<CursorReading> reading = ReadCursor(line.data, ranges, area, c.pixel);
    ASSERT_TRUE(reading) << c.pixel;
    EXPECT_EQ(reading->xText, c.x) << c.pixel;
    EXPECT_DOUBLE_EQ(reading->value, 1.1 + 1.1 * reading->x) << c.pixel;
  }
  EXPECT_FALSE(ReadCursor(line.data, ranges, area, 19.9));
  EXPECT_FALSE(ReadCursor(line.data, ranges, area, 320.0));
  const CursorReading reading{"1.34", 1.34, 2.574};
  EXPECT_EQ(CursorReadout(reading, ','), "カーソル位置  x = 1,34  p(x) = 2,574");
}

}  // namespace
}  // namespace peruka
