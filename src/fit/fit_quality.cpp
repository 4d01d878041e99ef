#include "fit/fit_quality.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "fit/evaluate_polynomial.h"
#include "numeric/decimal_parse.h"
#include "numeric/extended.h"

namespace peruka {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

using Matrix = Extended[kMaxDegree + 1][kMaxDegree + 1];

// The largest column sum of |a[j][k]| over the leading size × size block.
Extended NormOne(const Matrix& a, int size) {
  Extended norm = 0.0;
  for (int k = 0; k < size; ++k) {
    Extended column = 0.0;
    for (int j = 0; j < size; ++j) column += Abs(a[j][k]);
    if (column > norm) norm = column;
  }
  return norm;
}

// Inverts the leading size × size block of `a` into `inverse` by
// Gauss-Jordan elimination with partial pivoting; `a` is worked on. False
// for a zero pivot or a value that leaves the finite range.
bool Invert(Matrix& a, Matrix& inverse, int size) {
  for (int j = 0; j < size; ++j)
    for (int k = 0; k < size; ++k) inverse[j][k] = j == k ? 1.0 : 0.0;
  for (int h = 0; h < size; ++h) {
    int pivotRow = h;
    for (int r = h + 1; r < size; ++r)
      if (Abs(a[r][h]) > Abs(a[pivotRow][h])) pivotRow = r;
    if (!(a[pivotRow][h] != 0.0) || !IsFinite(a[pivotRow][h])) return false;
    if (pivotRow != h) {
      for (int k = 0; k < size; ++k) {
        std::swap(a[h][k], a[pivotRow][k]);
        std::swap(inverse[h][k], inverse[pivotRow][k]);
      }
    }
    const Extended pivot = a[h][h];
    for (int k = 0; k < size; ++k) {
      a[h][k] /= pivot;
      inverse[h][k] /= pivot;
    }
    for (int r = 0; r < size; ++r) {
      if (r == h) continue;
      const Extended f = a[r][h];
      if (f == 0.0) continue;
      for (int k = 0; k < size; ++k) {
        a[r][k] -= f * a[h][k];
        inverse[r][k] -= f * inverse[h][k];
      }
    }
  }
  for (int j = 0; j < size; ++j)
    for (int k = 0; k < size; ++k)
      if (!IsFinite(inverse[j][k])) return false;
  return true;
}

}  // namespace

double NormalMatrixCondition(int degree, std::span<const double> x) {
  if (degree < 0 || degree > kMaxDegree) throw std::invalid_argument("degree out of range");
  const int size = degree + 1;
  Extended sums[kMaxPower + 1] = {};
  for (const double value : x) {
    Extended power = 1.0;
    for (int k = 0; k <= 2 * degree; ++k) {
      sums[k] += power;
      power *= value;
    }
  }
  Matrix a;
  for (int j = 0; j < size; ++j)
    for (int k = 0; k < size; ++k) a[j][k] = sums[j + k];
  const Extended norm = NormOne(a, size);
  if (!IsFinite(norm)) return kInfinity;
  Matrix inverse;
  if (!Invert(a, inverse, size)) return kInfinity;
  const Extended condition = norm * NormOne(inverse, size);
  return IsFinite(condition) ? StoreDouble(condition) : kInfinity;
}

FitQuality MeasureFit(const FitResult& fit, std::span<const double> x, std::span<const double> y) {
  if (x.size() != y.size() || x.empty()) throw std::invalid_argument("points of unequal or no count");
  const std::size_t m = x.size();
  const int n = fit.degree;
  FitQuality quality;
  quality.points = m;

  Extended sumY = 0.0;
  bool constantY = true;
  for (const double value : y) {
    sumY += value;
    if (value != y[0]) constantY = false;
  }
  const Extended meanY = sumY / static_cast<Extended>(m);

  Extended ssRes = 0.0;
  Extended ssTot = 0.0;
  Extended largest = -1.0;
  for (std::size_t i = 0; i < m; ++i) {
    const Extended residual = static_cast<Extended>(y[i]) - EvaluatePolynomial(fit, x[i]);
    ssRes += residual * residual;
    const Extended deviation = static_cast<Extended>(y[i]) - meanY;
    ssTot += deviation * deviation;
    if (Abs(residual) > largest) {
      largest = Abs(residual);
      quality.maxResidualPoint = i;
    }
  }
  quality.maxAbsResidual = StoreDouble(largest);

  const bool freedom = m > static_cast<std::size_t>(n) + 1;
  const Extended dof = static_cast<Extended>(m) - static_cast<Extended>(n) - 1.0;
  if (!constantY) {
    const Extended r2 = 1.0 - ssRes / ssTot;
    quality.rSquared = StoreDouble(r2);
    if (freedom)
      quality.adjustedRSquared = StoreDouble(1.0 - (1.0 - r2) * (static_cast<Extended>(m) - 1.0) / dof);
  }
  if (freedom) quality.residualStandardError = StoreDouble(Sqrt(ssRes / dof));

  quality.condition = NormalMatrixCondition(n, x);
  quality.conditionWarning = !(quality.condition <= kConditionWarningThreshold);
  return quality;
}

FitQuality MeasureFit(const FitResult& fit, const Column& xColumn, const Column& yColumn) {
  if (xColumn.Count() != yColumn.Count()) throw std::invalid_argument("columns of unequal length");
  std::vector<double> x(xColumn.Count());
  std::vector<double> y(yColumn.Count());
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = ParseDecimal(xColumn[i]);
    y[i] = ParseDecimal(yColumn[i]);
  }
  return MeasureFit(fit, x, y);
}

}  // namespace peruka
