// The fitted polynomial's value: Horner's rule in extended precision, against
// values worked out by hand.
#include "fit/evaluate_polynomial.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace peruka {
namespace {

struct ValueCase {
  const char* name;
  std::vector<double> coefficients;  // c_0 first
  Extended x;
  Extended value;
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class EvaluatePolynomialTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatePolynomialTest, GivesTheValueWorkedOutByHand) {
  const ValueCase& c = GetParam();
  FitResult fit;
  fit.degree = static_cast<int>(c.coefficients.size()) - 1;
  int k = 0;
  for (const double coefficient : c.coefficients)
    fit.coefficients[static_cast<std::size_t>(k++)] = coefficient;
  EXPECT_EQ(EvaluatePolynomial(fit, c.x), c.value);
}

INSTANTIATE_TEST_SUITE_P(Polynomials, EvaluatePolynomialTest,
                         ::testing::Values(
                             // 7
                             ValueCase{"Constant", {7.0}, 123.0L, 7.0L},
                             // x^2 + 3x + 2 at 2: 4 + 6 + 2
                             ValueCase{"Quadratic", {2.0, 3.0, 1.0}, 2.0L, 12.0L},
                             // x^3 - x at -3: -27 + 3
                             ValueCase{"CubicAtANegativeX", {0.0, -1.0, 0.0, 1.0}, -3.0L, -24.0L},
                             // 0.5x - 0.25 at 0.5
                             ValueCase{"Halves", {-0.25, 0.5}, 0.5L, 0.0L},
                             // 1 + x at 2^-60: 1 + 2^-60 needs 61 significant bits, which a double
                             // does not have and the extended format does.
                             ValueCase{"ExtendedPrecision", {1.0, 1.0}, 0x1p-60L, 1.0L + 0x1p-60L},
                             // x^20 at 2
                             ValueCase{"DegreeTwenty",
                                       {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                        0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0},
                                       2.0L,
                                       1048576.0L}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace peruka
