// The fast route of the power sums, whole columns and point by point,
// against the step-by-step one: random columns, including zeros, far-out
// magnitudes and refused texts, must give the same bits, the same error and
// the same reports.
#include "fit/power_sums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"

namespace peruka {
namespace {

// The sums as bit patterns: a difference in the last bit shows.
std::string SumBits(int n, const PowerSums& s) {
  std::string bits = "sums";
  auto add = [&bits](double value) {
    char hex[20];
    std::uint64_t pattern;
    std::memcpy(&pattern, &value, sizeof pattern);
    std::snprintf(hex, sizeof hex, " %016llX", static_cast<unsigned long long>(pattern));
    bits += hex;
  };
  for (int k = 0; k <= 2 * n; ++k) add(s.sums[k]);
  bits += " rhs";
  for (int k = 0; k <= n; ++k) add(s.rhs[k]);
  return bits;
}

// The sums, or the error's class and message.
std::string Outcome(const std::function<std::string()>& work, int& reports) {
  reports = 0;
  try {
    return work();
  } catch (const Exception& e) {
    return std::string(e.ClassName()) + " " + e.Message();
  }
}

std::string RandomText(std::mt19937_64& random) {
  static const char* const kSpecial[] = {"0",     "-0",    ".",       "-", "",    "1e200", "1e-200",
                                         "1e300", "-1e77", "1.2e-80", "3", "2.5", "-7"};
  const int kind = static_cast<int>(random() % 10);
  if (kind < 2) return kSpecial[random() % std::size(kSpecial)];
  char text[64];
  const double mantissa = static_cast<double>(random() % 2000000) / 1000.0 - 1000.0;
  const int exponent = kind < 8 ? 0 : static_cast<int>(random() % 120) - 60;
  std::snprintf(text, sizeof text, "%.6fe%d", mantissa, exponent);
  return text;
}

TEST(PowerSums, EveryRouteGivesTheSameSumsErrorsAndReports) {
  SetLocaleDecimalMark('.');
  int reports = 0;
  auto previous = SetRuntimeMessagePresenter([&](std::string_view, std::string_view) { ++reports; });
  std::mt19937_64 random(20261207);
  int compared = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = static_cast<int>(random() % 21);
    const int m = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> xLines, yLines;
    for (int r = 0; r < m; ++r) {
      xLines.push_back(RandomText(random));
      yLines.push_back(RandomText(random));
    }
    const Column x = Column::FromLines(xLines);
    const Column y = Column::FromLines(yLines);
    const std::string stepByStep = Outcome([&] { return SumBits(n, SumPowersStepByStep(n, x, y)); }, reports);
    const int stepByStepReports = reports;
    const std::string fast = Outcome([&] { return SumBits(n, SumPowers(n, x, y)); }, reports);
    EXPECT_EQ(fast, stepByStep) << "trial " << trial;
    EXPECT_EQ(reports, stepByStepReports) << "trial " << trial;
    const std::string pointByPoint = Outcome(
        [&] {
          PowerSumsBuilder builder(n);
          for (int r = 0; r < m; ++r) builder.Add(xLines[r], yLines[r]);
          builder.Finish();
          return SumBits(n, builder.Sums());
        },
        reports);
    EXPECT_EQ(pointByPoint, stepByStep) << "trial " << trial;
    EXPECT_EQ(reports, stepByStepReports) << "trial " << trial;
    if (stepByStep.rfind("sums", 0) == 0) ++compared;
  }
  EXPECT_GT(compared, 100);
  SetRuntimeMessagePresenter(previous);
}

}  // namespace
}  // namespace peruka
