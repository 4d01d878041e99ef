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

// One point's texts, converted ahead of its turn without raising. A text
// that does not convert is converted again in its turn, by ParseDecimal,
// which then raises its error in the right place.
struct ConvertedPoint {
  double x = 0.0;
  double y = 0.0;
  bool xConverts = false;
  bool yConverts = false;
};

ConvertedPoint ConvertAhead(const LineList& xColumn, const LineList& yColumn, std::size_t r,
                            std::string& scratch) {
  ConvertedPoint point;
  point.xConverts = TryParseDecimal(xColumn.LineView(r, scratch), point.x);
  point.yConverts = TryParseDecimal(yColumn.LineView(r, scratch), point.y);
  return point;
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
template <typename RaiseYError>
void AddSquareAndMultiplyPoint(Extended x, int n, const ConvertedPoint& point, RaiseYError raiseYError,
                               double* sums, double* rhs) {
  const Extended y = point.y;
  const int rhsLast = point.yConverts ? n : -1;

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
  if (!point.yConverts) raiseYError();
  if (!AllFinite(rhs, n + 1)) RaiseFault(kFaultFloatOverflow);
}

// The same for any other x (zero, or too large or small for the band): each
// power comes from RaisePower, which may report, so every store is checked
// before the next power is asked for.
template <typename RaiseYError>
void AddGeneralPoint(Extended x, int n, const ConvertedPoint& point, RaiseYError raiseYError, double* sums,
                     double* rhs) {
  for (int i = 0; i <= 2 * n; ++i) sums[i] = Store(sums[i] + RaisePower(x, static_cast<Extended>(i)));
  for (int i = 0; i <= n; ++i) {
    const Extended t = RaisePower(x, static_cast<Extended>(i));
    if (i == 0 && !point.yConverts) raiseYError();  // after the first power, as the order has it
    rhs[i] = Store(point.y * t + rhs[i]);
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

  // The next point's texts are converted before this point's sums, so the
  // conversion overlaps the arithmetic; errors still come in their turn.
  std::string scratch;
  ConvertedPoint next = m > 0 ? ConvertAhead(xColumn, yColumn, 0, scratch) : ConvertedPoint{};
  for (std::size_t r = 0; r < m; ++r) {
    const ConvertedPoint point = next;
    if (r + 1 < m) next = ConvertAhead(xColumn, yColumn, r + 1, scratch);
    const Extended x = point.xConverts ? point.x : ParseDecimal(xColumn.LineView(r, scratch));
    auto raiseYError = [&] { ParseDecimal(yColumn.LineView(r, scratch)); };
    if (SquareAndMultiplyCovers(x, 2 * n))
      AddSquareAndMultiplyPoint(x, n, point, raiseYError, sums, rhs);
    else
      AddGeneralPoint(x, n, point, raiseYError, sums, rhs);
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
