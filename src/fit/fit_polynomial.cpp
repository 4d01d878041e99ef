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
  if (!std::isfinite(stored))
    RaiseFault(std::isnan(stored) ? kFaultFloatInvalidOperation : kFaultFloatOverflow);
  return stored;
}

// True when every value is finite. Within one point each sum is stored once
// and every operand is finite, so an infinity marks an overflowed store.
bool AllFinite(const double* values, int count) {
  bool finite = true;
  for (int i = 0; i < count; ++i) finite &= std::isfinite(values[i]);
  return finite;
}

// Power sums and right-hand sides of one point whose x takes
// square-and-multiply for every exponent: no power reports anything, so the
// only events are the overflow of a store and the conversion of y, in this
// order. x^(2k) is (x^k)^2 and x^(2k+1) is x^(2k) * x, each rounded, which is
// what the left-to-right method computes.
//
// When y converts, each power goes into its power sum and its right-hand
// side at once. The stores then come in another order, but every store sees
// the same operands, and an overflow in either kind of sum is the same
// EOverflow, so nothing observable changes. When y is refused, the power
// sums come first, so that their overflow still wins over y's error.
void AddSquareAndMultiplyPoint(Extended x, int n, std::string_view yText, double* sums, double* rhs) {
  double yValue = 0.0;
  const bool yConverts = TryParseDecimal(yText, yValue);
  const Extended y = yValue;
  const int rhsLast = yConverts ? n : -1;

  Extended powers[kMaxDegree + 1];
  powers[0] = 1.0L;
  sums[0] = StoreDouble(sums[0] + 1.0L);
  if (rhsLast >= 0) rhs[0] = StoreDouble(y * 1.0L + rhs[0]);
  Extended previous = 1.0L;  // 1 * x is x exactly
  for (int i = 1; i <= 2 * n; ++i) {
    const Extended power = (i & 1) ? previous * x : powers[i / 2] * powers[i / 2];
    sums[i] = StoreDouble(sums[i] + power);
    if (i <= n) {
      powers[i] = power;
      if (i <= rhsLast) rhs[i] = StoreDouble(y * power + rhs[i]);
    }
    previous = power;
  }
  if (!AllFinite(sums, 2 * n + 1)) RaiseFault(kFaultFloatOverflow);
  if (!yConverts) ParseDecimal(yText);  // raises y's own error
  if (!AllFinite(rhs, n + 1)) RaiseFault(kFaultFloatOverflow);
}

// The same for any other x (zero, or too large or small for the band): each
// power comes from RaisePower, which may report, so every store is checked
// before the next power is asked for.
void AddGeneralPoint(Extended x, int n, std::string_view yText, double* sums, double* rhs) {
  for (int i = 0; i <= 2 * n; ++i) sums[i] = Store(sums[i] + RaisePower(x, static_cast<Extended>(i)));
  Extended y = 0.0L;
  for (int i = 0; i <= n; ++i) {
    const Extended t = RaisePower(x, static_cast<Extended>(i));
    if (i == 0) y = ParseDecimal(yText);  // after the first power, as the order has it
    rhs[i] = Store(y * t + rhs[i]);
  }
}

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

  std::string scratch;
  for (std::size_t r = 0; r < m; ++r) {
    const Extended x = ParseDecimal(xColumn.LineView(r, scratch));
    const std::string_view yText = yColumn.LineView(r, scratch);
    if (SquareAndMultiplyCovers(x, 2 * n))
      AddSquareAndMultiplyPoint(x, n, yText, sums, rhs);
    else
      AddGeneralPoint(x, n, yText, sums, rhs);
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
