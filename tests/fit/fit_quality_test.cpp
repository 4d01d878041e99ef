// The fit's quality figures against numpy's least squares on the same points.
// Reference values: Debian's /usr/bin/python3 3.11.2 with numpy 1.24.2,
// np.polyfit for the coefficients, R² = 1 − SSres/SStot, the adjusted R²,
// sqrt(SSres/(m − n − 1)), argmax |r| and np.linalg.cond(A, 1) of the normal
// matrix, all in double. The fit's own coefficients differ from numpy's in
// the last bits, so figures are compared with a relative tolerance of 1e-9
// (absolute 1e-12 where numpy's value is rounding noise around 0).
#include "fit/fit_quality.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fit/fit_polynomial.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"

namespace peruka {
namespace {

std::string Lines(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) text += value + "\n";
  return text;
}

void ExpectNear(std::optional<double> actual, std::optional<double> expected, const char* what) {
  ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
  if (!expected) return;
  const double tolerance = std::fabs(*expected) < 1e-6 ? 1e-12 : 1e-9 * std::fabs(*expected);
  EXPECT_NEAR(*actual, *expected, tolerance) << what;
}

struct QualityCase {
  const char* name;
  int degree;
  std::vector<std::string> x, y;
  std::optional<double> rSquared, adjusted, standardError;
  double maxResidual;
  std::optional<std::size_t> maxPoint;  // unset: any point (every residual is rounding noise)
  double condition;
  bool warning;
};

TEST(FitQualityTest, MatchesNumpy) {
  SetLocaleDecimalMark('.');
  // x = 0 makes the fit's power function report; the reports do not matter here.
  RuntimeMessagePresenter previous = SetRuntimeMessagePresenter([](std::string_view, std::string_view) {});
  const std::vector<QualityCase> cases = {
      // y = 2x + 1: residuals are rounding noise (numpy: 1.8e-15 at point 1).
      {"exact line",
       1,
       {"0", "1", "2", "3", "4"},
       {"1", "3", "5", "7", "9"},
       1.0,
       1.0,
       2.238873303380932e-15,
       1.7763568394002505e-15,
       std::nullopt,
       32.0,
       false},
      // Constant y: SStot = 0, R² and the adjusted R² are undefined.
      {"constant y",
       1,
       {"1", "2", "3", "4"},
       {"5", "5", "5", "5"},
       std::nullopt,
       std::nullopt,
       0.0,
       0.0,
       std::nullopt,
       80.0,
       false},
      {"noisy quadratic",
       2,
       {"0", "1", "2", "3", "4", "5", "6", "7"},
       {"1.1", "1.9", "5.2", "9.8", "17.1", "26.2", "36.9", "50.3"},
       0.9999196850805545,
       0.9998875591127763,
       0.18976802881914762,
       0.22440476190475067,
       6,
       6299.999999999995,
       false},
  };
  for (const QualityCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Column x = Column::Copying(Lines(c.x));
    const Column y = Column::Copying(Lines(c.y));
    const FitQuality quality = MeasureFit(FitPolynomial(c.degree - 1, x, y), x, y);
    EXPECT_EQ(quality.points, c.x.size());
    ExpectNear(quality.rSquared, c.rSquared, "R²");
    ExpectNear(quality.adjustedRSquared, c.adjusted, "adjusted R²");
    ExpectNear(quality.residualStandardError, c.standardError, "standard error");
    ExpectNear(quality.maxAbsResidual, c.maxResidual, "largest residual");
    if (c.maxPoint) {
      EXPECT_EQ(quality.maxResidualPoint, *c.maxPoint);
    }
    EXPECT_NEAR(quality.condition, c.condition, 1e-9 * c.condition);
    EXPECT_EQ(quality.conditionWarning, c.warning);
  }
  SetRuntimeMessagePresenter(std::move(previous));
}

// Degree 20 over x = 1..25 with the exact line y = 0.5x + 1 as the
// coefficients: the residuals vanish, so R² = 1, and the normal matrix is
// far beyond what a double can solve (numpy's estimate: 4.953509696076036e+60;
// either estimate is itself inexact at that size, so only "above the
// threshold by far" is compared).
TEST(FitQualityTest, WarnsForBadlyConditionedNormalEquations) {
  std::vector<double> x, y;
  for (int i = 1; i <= 25; ++i) {
    x.push_back(i);
    y.push_back(0.5 * i + 1);
  }
  FitResult fit;
  fit.degree = 20;
  fit.coefficients[0] = 1.0;
  fit.coefficients[1] = 0.5;
  const FitQuality quality = MeasureFit(fit, x, y);
  ASSERT_TRUE(quality.rSquared);
  EXPECT_EQ(*quality.rSquared, 1.0);
  EXPECT_GT(quality.condition, 1e30);
  EXPECT_TRUE(quality.conditionWarning);
  // Degrees of freedom m − n − 1 = 4: both are defined.
  EXPECT_TRUE(quality.adjustedRSquared);
  EXPECT_TRUE(quality.residualStandardError);
}

// m = n + 1: no degrees of freedom left; the largest residual goes to the
// first of equal ones; a singular normal matrix (all x equal) is infinite.
TEST(FitQualityTest, EdgeCases) {
  FitResult line;
  line.degree = 1;
  const std::vector<double> two = {1.0, 2.0};
  const FitQuality tight = MeasureFit(line, two, std::vector<double>{1.0, -1.0});
  EXPECT_FALSE(tight.adjustedRSquared);
  EXPECT_FALSE(tight.residualStandardError);
  EXPECT_EQ(tight.maxResidualPoint, 0u);
  EXPECT_EQ(tight.maxAbsResidual, 1.0);
  const std::vector<double> same = {3.0, 3.0, 3.0};
  EXPECT_TRUE(std::isinf(NormalMatrixCondition(1, same)));
  EXPECT_TRUE(MeasureFit(line, same, std::vector<double>{1.0, 2.0, 4.0}).conditionWarning);
}

}  // namespace
}  // namespace peruka
