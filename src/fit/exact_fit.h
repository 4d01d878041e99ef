// The exact least-squares polynomial of the data as typed, and the figures
// that follow from it.
//
// Exact: the normal equations of the decimal values (ExactPowerSums, all
// integers), their solution by fraction-free Gauss-Jordan elimination
// (every division exact, so every coefficient is an exact rational), the
// exact inverse of the normal matrix, the residual sum of squares
//   SSres = Σ y² − Σ a_k·Σ y·x^k   (exact at the solution)
// and SStot = Σ y² − (Σ y)²/m. The one rounding: each figure below is that
// exact rational (or its exact square root) rounded once to a double, to
// nearest with ties to even. Only the interval, which needs Student's t
// quantile, is computed in doubles from the rounded figures.
//
// The normal matrix of x values with at least n + 1 distinct values is
// positive definite, so its elimination meets no zero pivot and needs no
// row exchange; a zero pivot means fewer distinct values, and then the
// polynomial of degree n is not unique (Unique() is false and no figure but
// the counts is given).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "fit/column.h"
#include "fit/exact_power_sums.h"
#include "fit/fit_polynomial.h"

namespace peruka {

// A described coefficient with fewer trusted digits than this is named in
// the warning.
inline constexpr int kTrustedDigitsWarning = 6;
inline constexpr int kMaxTrustedDigits = 17;
// The coefficients' intervals hold with this probability.
inline constexpr double kConfidenceLevel = 0.95;

struct Interval {
  double lower = 0.0;
  double upper = 0.0;
};

class ExactFit {
 public:
  // Solves the normal equations of the sums exactly.
  static ExactFit Solve(const ExactPowerSums& sums);

  int Degree() const { return degree_; }
  std::size_t Points() const { return points_; }
  // At least degree + 1 distinct x values: one least-squares polynomial.
  bool Unique() const { return unique_; }
  // m − n − 1, which the figures below need to be positive; may be <= 0.
  long DegreesOfFreedom() const;

  // The coefficient of x^k (0 <= k <= degree) correctly rounded, ±∞ beyond
  // the double range. Throws std::logic_error unless Unique().
  double Coefficient(int k) const;
  // Whether every coefficient is finite.
  bool Finite() const;

  // Each needs Unique(); R² needs y values that are not all the same, and
  // the adjusted R², the residual standard deviation sqrt(SSres/(m−n−1)),
  // the standard errors sqrt(s²·(A⁻¹)_kk), the t quantile and the intervals
  // need m > n + 1.
  std::optional<double> ResidualSumOfSquares() const { return residualSumOfSquares_; }
  std::optional<double> RSquared() const { return rSquared_; }
  std::optional<double> AdjustedRSquared() const { return adjustedRSquared_; }
  std::optional<double> ResidualStandardDeviation() const { return residualStandardDeviation_; }
  std::optional<double> StandardError(int k) const;
  // Student's t quantile of 1 − (1 − kConfidenceLevel)/2 for m − n − 1
  // degrees of freedom.
  std::optional<double> TQuantile() const { return tQuantile_; }
  // Coefficient(k) ± TQuantile()·StandardError(k).
  std::optional<Interval> ConfidenceInterval(int k) const;

  // The standard errors at a new x (a decimal text that SplitDecimalDigits
  // reads with `decimalMark`): of the fitted mean, sqrt(s²·vᵀA⁻¹v) with
  // v = (1, x, ..., x^n), and of a new observation, sqrt(s²·(1 + vᵀA⁻¹v)),
  // each exact until its one rounding. Undefined where the standard errors
  // of the coefficients are; std::invalid_argument for another text.
  struct ErrorsAt {
    double mean = 0.0;
    double prediction = 0.0;
  };
  std::optional<ErrorsAt> StandardErrorsAt(std::string_view xText, char decimalMark) const;

  // How many significant decimal digits of `described` agree with the exact
  // coefficient of x^k: floor(−log10 |described − a_k| / |a_k|), from 0 to
  // kMaxTrustedDigits, and kMaxTrustedDigits when they are equal. For an
  // exact zero: kMaxTrustedDigits for a zero, 0 for anything else.
  // Throws std::logic_error unless Unique().
  int TrustedDigits(int k, double described) const;

 private:
  struct Exact;  // the exact rationals
  std::shared_ptr<const Exact> exact_;
  int degree_ = 0;
  std::size_t points_ = 0;
  bool unique_ = false;
  std::vector<double> coefficients_;
  std::vector<std::optional<double>> standardErrors_;
  std::optional<double> residualSumOfSquares_, rSquared_, adjustedRSquared_, residualStandardDeviation_,
      tQuantile_;
};

// A described coefficient that the warning names.
struct LowTrust {
  int power = 0;
  int digits = 0;
};

// The coefficients of `described` (of the same degree as `exact`, which is
// unique) with fewer than kTrustedDigitsWarning trusted digits, highest
// power first; empty when every one is trusted.
std::vector<LowTrust> LowTrustCoefficients(const ExactFit& exact, const FitResult& described);

// The exact fit of the columns' lines as the check leaves them (trimmed,
// every one converting), read with the LocaleDecimalMark.
ExactFit FitExactly(int degree, const Column& xColumn, const Column& yColumn);

}  // namespace peruka
