#include "fit/fit_polynomial.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/raise_power.h"

namespace peruka {

namespace {

constexpr int kMaxPower = 2 * kMaxDegree;

// A store into a double that is not finite is the operation that faulted:
// every operand is finite, so overflow gives an infinity and 0/0 a NaN.
double Store(Extended value) {
  const double stored = StoreDouble(value);
  if (!std::isfinite(stored)) RaiseFault(std::isnan(stored) ? kFaultFloatInvalidOperation : kFaultFloatOverflow);
  return stored;
}

// Powers of one x value in the order the sums ask for them.
class PowerSource {
 public:
  explicit PowerSource(Extended x, int maxPower) : x_(x), tabled_(SquareAndMultiplyCovers(x, maxPower)) {
    if (tabled_) SquareAndMultiplyPowers(x, maxPower, table_.data());
  }
  Extended operator()(int i) const { return tabled_ ? table_[i] : RaisePower(x_, static_cast<Extended>(i)); }

 private:
  Extended x_;
  bool tabled_;
  std::array<Extended, kMaxPower + 1> table_;
};

}  // namespace

void FitResult::DeliverPendingFault() const {
  if (lastStoreOverflowed) RaiseFault(kFaultFloatOverflow);
}

FitResult FitPolynomial(int itemIndex, const LineList& xColumn, const LineList& yColumn) {
  return FitPolynomial(itemIndex, xColumn, yColumn, xColumn.Count());
}

FitResult FitPolynomial(int itemIndex, const LineList& xColumn, const LineList& yColumn, std::size_t points) {
  if (itemIndex < kMinDegree - 2 || itemIndex > kMaxDegree - 1)
    throw std::out_of_range("degree index out of range: " + std::to_string(itemIndex));
  const int n = itemIndex + 1;  // an index of -1 (no selection) fits the constant alone
  const std::size_t m = points;
  double sums[kMaxPower + 1] = {};
  double rhs[kMaxDegree + 1] = {};

  for (std::size_t r = 0; r < m; ++r) {
    const Extended x = ParseDecimal(xColumn.Line(r));
    const PowerSource power(x, 2 * n);
    for (int i = 0; i <= 2 * n; ++i) sums[i] = Store(sums[i] + power(i));

    const std::string yText = yColumn.Line(r);
    Extended y = 0.0L;
    for (int i = 0; i <= n; ++i) {
      const Extended t = power(i);
      if (i == 0) y = ParseDecimal(yText);  // after the first power, as the order has it
      rhs[i] = Store(y * t + rhs[i]);
    }
  }

  double a[kMaxDegree + 1][kMaxDegree + 2];
  for (int g = 0; g <= n; ++g) {
    for (int c = 0; c <= n; ++c) a[g][c] = sums[g + c];
    a[g][n + 1] = rhs[g];
  }

  FitResult result;
  result.degree = n;
  for (int h = 0; h <= n; ++h) {
    const double pivot = a[h][h];
    for (int c = h; c <= n + 1; ++c) a[h][c] = Store(static_cast<Extended>(a[h][c]) / pivot);
    for (int r = 0; r <= n; ++r) {
      if (r == h) continue;
      const double f = a[r][h];
      for (int c = h; c <= n + 1; ++c) {
        const Extended value = static_cast<Extended>(a[r][c]) - static_cast<Extended>(f) * a[h][c];
        const bool lastStore = h == n && r == n - 1 && c == n + 1;
        if (lastStore && std::isinf(StoreDouble(value))) {
          // Nothing checks the last store until the first coefficient is read.
          a[r][c] = StoreDouble(value);
          result.lastStoreOverflowed = true;
        } else {
          a[r][c] = Store(value);
        }
      }
    }
  }
  for (int k = 0; k <= n; ++k) result.coefficients[k] = a[k][n + 1];
  return result;
}

}  // namespace peruka
