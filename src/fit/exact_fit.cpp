#include "fit/exact_fit.h"

#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <stdexcept>

#include "fit/correct_rounding.h"
#include "fit/exact_sums_integers.h"
#include "numeric/decimal_digits.h"
#include "numeric/locale_mark.h"

namespace peruka {

struct ExactFit::Exact {
  std::vector<Fraction> coefficients;  // a_k
  // For the errors at a new x: the sums of det·A'⁻¹ (of the scaled normal
  // matrix) along its antidiagonals, formSums[i] = Σ_{j+k=i} det·A'⁻¹[j][k],
  // which make vᵀA'⁻¹v a polynomial of degree 2n in x; det, the x scale D
  // and s².
  std::vector<BigInteger> formSums;
  BigInteger det;
  unsigned xScale = 0;
  Fraction variance;  // s²
};

namespace {

using Matrix = std::vector<std::vector<BigInteger>>;

// [A | R | I] with A[j][k] = S[j + k], eliminated fraction-free (Bareiss,
// Gauss-Jordan form): after the last step the left block is det·I, the
// next column det·A⁻¹R and the right block det·A⁻¹, all integers, since
// every division by the previous pivot is exact. False at a zero pivot.
bool EliminateFractionFree(const ExactSumIntegers& sums, Matrix& m) {
  const std::size_t size = sums.r.size();
  const std::size_t columns = 2 * size + 1;
  m.assign(size, std::vector<BigInteger>(columns));
  for (std::size_t j = 0; j < size; ++j) {
    for (std::size_t k = 0; k < size; ++k) m[j][k] = sums.s[j + k];
    m[j][size] = sums.r[j];
    m[j][size + 1 + j] = 1;
  }
  BigInteger previous = 1;
  BigInteger product;
  for (std::size_t h = 0; h < size; ++h) {
    const BigInteger& pivot = m[h][h];
    if (pivot == 0) return false;
    for (std::size_t r = 0; r < size; ++r) {
      if (r == h) continue;
      const BigInteger factor = m[r][h];
      for (std::size_t c = 0; c < columns; ++c) {
        if (c == h) continue;
        product = pivot * m[r][c];
        product -= factor * m[h][c];
        m[r][c] = product / previous;
      }
      m[r][h] = 0;
    }
    previous = pivot;
  }
  return true;
}

std::optional<double> TQuantileFor(long freedom) {
  if (freedom <= 0) return std::nullopt;
  const boost::math::students_t distribution(static_cast<double>(freedom));
  return boost::math::quantile(boost::math::complement(distribution, (1.0 - kConfidenceLevel) / 2));
}

}  // namespace

ExactFit ExactFit::Solve(const ExactPowerSums& power) {
  const ExactSumIntegers& sums = power.Integers();
  ExactFit fit;
  fit.degree_ = sums.degree;
  fit.points_ = sums.points;
  Matrix m;
  if (!EliminateFractionFree(sums, m)) return fit;
  fit.unique_ = true;
  const std::size_t size = sums.r.size();
  const BigInteger& det = m[0][0];
  auto exact = std::make_shared<Exact>();
  // a_k = b_k·10^(kD)/10^E, where b_k = m[k][size]/det solves the scaled
  // equations.
  const BigInteger yUnit = PowerOfTen(sums.yScale);
  const BigInteger xStep = PowerOfTen(sums.xScale);
  BigInteger xUnit = 1;  // 10^(kD)
  for (std::size_t k = 0; k < size; ++k, xUnit *= xStep) {
    exact->coefficients.push_back({m[k][size] * xUnit, det * yUnit});
    fit.coefficients_.push_back(RoundToDouble(exact->coefficients.back()));
  }

  // SSres·10^(2E)·det = det·Q − Σ (det·b_k)·R_k.
  BigInteger residualScaled = det * sums.q;
  for (std::size_t k = 0; k < size; ++k) residualScaled -= m[k][size] * sums.r[k];
  const BigInteger squareUnit = yUnit * yUnit;
  const Fraction residual{residualScaled, det * squareUnit};
  fit.residualSumOfSquares_ = RoundToDouble(residual);
  // SStot·10^(2E)·m = m·Q − (Σ y)².
  const BigInteger count = static_cast<unsigned long long>(sums.points);
  const BigInteger totalScaled = count * sums.q - sums.r[0] * sums.r[0];
  const long freedom = fit.DegreesOfFreedom();
  if (totalScaled != 0) {
    // R² = 1 − SSres/SStot = (SStot − SSres)/SStot, over det·m·10^(2E).
    const BigInteger total = totalScaled * det;
    const BigInteger residualTimesCount = residualScaled * count;
    fit.rSquared_ = RoundToDouble({total - residualTimesCount, total});
    if (freedom > 0) {
      // 1 − (SSres/(m−n−1)) / (SStot/(m−1)).
      const BigInteger numerator = residualTimesCount * (count - 1);
      const BigInteger denominator = total * freedom;
      fit.adjustedRSquared_ = RoundToDouble({denominator - numerator, denominator});
    }
  }
  fit.standardErrors_.assign(size, std::nullopt);
  if (freedom > 0) {
    const Fraction variance{residual.numerator, residual.denominator * freedom};
    fit.residualStandardDeviation_ = RoundSquareRootToDouble(variance);
    fit.tQuantile_ = TQuantileFor(freedom);
    // (A⁻¹)_kk = 10^(2kD)·m[k][size+1+k]/det.
    xUnit = 1;
    for (std::size_t k = 0; k < size; ++k, xUnit *= xStep) {
      const BigInteger& inverse = m[k][size + 1 + k];
      fit.standardErrors_[k] =
          RoundSquareRootToDouble({variance.numerator * inverse * xUnit * xUnit, variance.denominator * det});
    }
    exact->variance = variance;
    exact->det = det;
    exact->xScale = sums.xScale;
    exact->formSums.assign(2 * size - 1, BigInteger(0));
    for (std::size_t j = 0; j < size; ++j)
      for (std::size_t k = 0; k < size; ++k) exact->formSums[j + k] += m[j][size + 1 + k];
  }
  fit.exact_ = std::move(exact);
  return fit;
}

long ExactFit::DegreesOfFreedom() const {
  return static_cast<long>(points_) - static_cast<long>(degree_) - 1;
}

double ExactFit::Coefficient(int k) const {
  if (!unique_) throw std::logic_error("ExactFit: not unique");
  return coefficients_.at(static_cast<std::size_t>(k));
}

bool ExactFit::Finite() const {
  for (const double c : coefficients_)
    if (!std::isfinite(c)) return false;
  return true;
}

std::optional<double> ExactFit::StandardError(int k) const {
  if (!unique_) return std::nullopt;
  return standardErrors_.at(static_cast<std::size_t>(k));
}

std::optional<Interval> ExactFit::ConfidenceInterval(int k) const {
  const std::optional<double> error = StandardError(k);
  if (!error || !tQuantile_) return std::nullopt;
  const double half = *tQuantile_ * *error;
  const double value = Coefficient(k);
  return Interval{value - half, value + half};
}

std::optional<ExactFit::ErrorsAt> ExactFit::StandardErrorsAt(std::string_view xText, char decimalMark) const {
  DecimalDigits digits;
  if (!SplitDecimalDigits(xText, decimalMark, digits))
    throw std::invalid_argument("not a plain decimal number: " + std::string(xText));
  if (!unique_ || !tQuantile_) return std::nullopt;
  const Exact& exact = *exact_;
  // x = X/10^F, and the scaled inverse belongs to powers of x·10^D: with
  // Z = X·10^D, vᵀA⁻¹v = Σ Z^i·10^(F(2n−i))·formSums[i] / (det·10^(2nF)).
  std::string text(digits.integerDigits);
  text += digits.fractionDigits;
  // Without its leading zeros, which would make the text octal.
  const std::size_t first = text.find_first_not_of('0');
  BigInteger z = first == std::string::npos ? BigInteger(0) : BigInteger(text.substr(first));
  if (digits.negative) z = -z;
  z *= PowerOfTen(exact.xScale);
  const auto decimals = static_cast<unsigned>(digits.fractionDigits.size());
  const std::size_t top = exact.formSums.size() - 1;
  // zPowers[i]·10^(F(top−i)) for i = 0..top
  std::vector<BigInteger> terms(top + 1);
  const BigInteger tenToF = PowerOfTen(decimals);
  BigInteger power = 1;
  for (std::size_t i = 0; i <= top; ++i, power *= z) terms[i] = power;
  BigInteger scale = 1;
  for (std::size_t i = top + 1; i-- > 0; scale *= tenToF) terms[i] *= scale;
  BigInteger form = 0;
  for (std::size_t i = 0; i <= top; ++i) form += terms[i] * exact.formSums[i];
  const BigInteger formDenominator = exact.det * PowerOfTen(decimals * static_cast<unsigned>(top));
  // s²·q and s²·(1 + q).
  const BigInteger denominator = exact.variance.denominator * formDenominator;
  const Fraction mean{exact.variance.numerator * form, denominator};
  const Fraction prediction{exact.variance.numerator * (form + formDenominator), denominator};
  return ErrorsAt{RoundSquareRootToDouble(mean), RoundSquareRootToDouble(prediction)};
}

int ExactFit::TrustedDigits(int k, double described) const {
  if (!unique_) throw std::logic_error("ExactFit: not unique");
  const Fraction& exact = exact_->coefficients.at(static_cast<std::size_t>(k));
  if (!std::isfinite(described)) return 0;
  const Fraction given = ExactValue(described);
  // |given − exact| as one fraction.
  Fraction error{given.numerator * exact.denominator - exact.numerator * given.denominator,
                 given.denominator * exact.denominator};
  if (error.numerator == 0) return kMaxTrustedDigits;
  if (exact.numerator == 0) return 0;
  // The largest d with |error|·10^d <= |exact|.
  int digits = 0;
  while (digits < kMaxTrustedDigits) {
    error.numerator *= 10;
    if (CompareMagnitudes(error, exact) > 0) break;
    ++digits;
  }
  return digits;
}

std::vector<LowTrust> LowTrustCoefficients(const ExactFit& exact, const FitResult& described) {
  std::vector<LowTrust> low;
  for (int k = exact.Degree(); k >= 0; --k) {
    const int digits = exact.TrustedDigits(k, described.coefficients[static_cast<std::size_t>(k)]);
    if (digits < kTrustedDigitsWarning) low.push_back({k, digits});
  }
  return low;
}

ExactFit FitExactly(int degree, const Column& xColumn, const Column& yColumn) {
  ExactPowerSums sums(degree);
  const char mark = LocaleDecimalMark();
  for (std::size_t i = 0; i < xColumn.Count(); ++i) sums.Add(xColumn[i], yColumn[i], mark);
  return ExactFit::Solve(sums);
}

}  // namespace peruka
