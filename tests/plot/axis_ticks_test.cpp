// Axis ticks at 1, 2 and 5 times a power of ten, and their labels.
#include "plot/axis_ticks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace peruka {
namespace {

struct TickCase {
  const char* name;
  double lo;
  double hi;
  int target;
  double step;
  std::vector<std::string> labels;  // with "." as the decimal mark
};
void PrintTo(const TickCase& c, std::ostream* os) { *os << c.name; }

class AxisTicksTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(AxisTicksTest, ChoosesANiceStepAndLabelsEveryTick) {
  const TickCase& c = GetParam();
  const AxisTicks ticks = ChooseTicks(c.lo, c.hi, c.target);
  EXPECT_DOUBLE_EQ(ticks.step, c.step);
  std::vector<std::string> labels;
  for (int i = 0; i < ticks.count; ++i) labels.push_back(TickLabel(ticks, ticks.Value(i), '.'));
  EXPECT_EQ(labels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AxisTicksTest,
    ::testing::Values(
        // 10 / 5 = 2
        TickCase{"Units", 0.0, 10.0, 5, 2.0, {"0", "2", "4", "6", "8", "10"}},
        // 7 / 5 = 1.4 < √2: 1
        TickCase{"BelowRootTwo", 0.3, 7.3, 5, 1.0, {"1", "2", "3", "4", "5", "6", "7"}},
        // 8 / 5 = 1.6 >= √2: 2
        TickCase{"AboveRootTwo", -0.5, 7.5, 5, 2.0, {"0", "2", "4", "6"}},
        // 0.17 / 5 = 0.034 >= √10 / 100: 0.05
        TickCase{"Hundredths", 0.01, 0.18, 5, 0.05, {"0.05", "0.10", "0.15"}},
        // 3.6 / 5 = 0.72 > √50 / 10: 1
        TickCase{"RoundsUpToTheNextPower", -1.8, 1.8, 5, 1.0, {"-1", "0", "1"}},
        // a tick 0.3 computed as 3 × 0.1 = 0.30000000000000004 still reads 0.3,
        // and the tick at 0 is never "-0"
        TickCase{"Tenths", -0.2, 0.3, 5, 0.1, {"-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3"}},
        TickCase{"Large", 0.0, 3e12, 3, 1e12, {"0", "1e+12", "2e+12", "3e+12"}},
        TickCase{"Tiny", 1e-8, 5e-8, 4, 1e-8, {"1e-08", "2e-08", "3e-08", "4e-08", "5e-08"}},
        TickCase{"LargeWithSignificantDigits", 1.2e9, 1.3e9, 2, 5e7, {"1.20e+09", "1.25e+09", "1.30e+09"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TickLabel, UsesTheDecimalMarkGiven) {
  const AxisTicks ticks = ChooseTicks(0.0, 1.0, 2);
  ASSERT_DOUBLE_EQ(ticks.step, 0.5);
  EXPECT_EQ(TickLabel(ticks, ticks.Value(1), ','), "0,5");
}

}  // namespace
}  // namespace peruka
