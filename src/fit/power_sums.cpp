#include "fit/power_sums.h"

#include <cassert>
#include <cmath>

#include "fit/checked_store.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/raise_power.h"

namespace peruka {

namespace {

// Raises the overflow when any of the first `count` values is infinite.
// Within one point every sum is stored once from finite operands, so an
// infinity marks a store that overflowed.
void CheckStores(const double* values, int count) {
  bool finite = true;
  for (int i = 0; i < count; ++i) finite &= std::isfinite(values[i]);
  if (!finite) RaiseFault(kFaultFloatOverflow);
}

// One point, literally in the order of the calculation.
void AddPointStepByStep(int n, std::string_view xText, std::string_view yText, PowerSums& s) {
  for (int i = 0; i <= 2 * n; ++i) {
    const Extended x = ParseDecimal(xText);
    s.sums[i] = StoreChecked(s.sums[i] + RaisePower(x, static_cast<Extended>(i)));
  }
  for (int i = 0; i <= n; ++i) {
    const Extended x = ParseDecimal(xText);
    const Extended t = RaisePower(x, static_cast<Extended>(i));
    const Extended y = ParseDecimal(yText);
    s.rhs[i] = StoreChecked(y * t + s.rhs[i]);
  }
}

// One point whose x takes square-and-multiply at every exponent: no power
// reports anything, so the only events are an overflowing store and the
// conversion error of y. When y converts, each power goes into its power sum
// and its right-hand side at once: every store sees the operands it sees in
// the literal order, and an overflow anywhere is the same EOverflow. When y
// is refused, the power sums come first, so their overflow still wins.
void AddCoveredPoint(int n, Extended x, const ConvertedPoint& point, std::string_view yText, PowerSums& s) {
  const Extended y = point.y;
  const int rhsLast = point.yConverts ? n : -1;
  Extended lower[kMaxDegree + 1];
  VisitSquareAndMultiplyPowers(x, 2 * n, lower, [&](int i, Extended power) {
    s.sums[i] = StoreDouble(s.sums[i] + power);
    if (i <= rhsLast) s.rhs[i] = StoreDouble(y * power + s.rhs[i]);
  });
  CheckStores(s.sums, 2 * n + 1);
  if (!point.yConverts) ParseDecimal(yText);  // raises the conversion error
  CheckStores(s.rhs, n + 1);
}

// One point by the fast route, its texts converted beforehand.
void AddPoint(int n, const ConvertedPoint& point, std::string_view xText, std::string_view yText,
              PowerSums& s) {
  if (!point.xConverts) ParseDecimal(xText);  // raises the conversion error
  const Extended x = point.x;
  if (SquareAndMultiplyCovers(x, 2 * n))
    AddCoveredPoint(n, x, point, yText, s);
  else
    AddPointStepByStep(n, xText, yText, s);
}

}  // namespace

ConvertedPoint ConvertPoint(std::string_view xText, std::string_view yText) {
  ConvertedPoint point;
  point.xConverts = TryParseDecimal(xText, point.x);
  point.yConverts = TryParseDecimal(yText, point.y);
  return point;
}

PowerSums SumPowersStepByStep(int degree, const Column& xColumn, const Column& yColumn) {
  assert(degree >= 0 && degree <= kMaxDegree && xColumn.Count() == yColumn.Count());
  PowerSums s;
  for (std::size_t r = 0; r < xColumn.Count(); ++r) AddPointStepByStep(degree, xColumn[r], yColumn[r], s);
  return s;
}

PowerSums SumPowers(int degree, const Column& xColumn, const Column& yColumn) {
  assert(degree >= 0 && degree <= kMaxDegree && xColumn.Count() == yColumn.Count());
  const int n = degree;
  const std::size_t m = xColumn.Count();
  PowerSums s;
  ConvertedPoint next = m > 0 ? ConvertPoint(xColumn[0], yColumn[0]) : ConvertedPoint{};
  for (std::size_t r = 0; r < m; ++r) {
    const ConvertedPoint point = next;
    if (r + 1 < m) next = ConvertPoint(xColumn[r + 1], yColumn[r + 1]);
    AddPoint(n, point, xColumn[r], yColumn[r], s);
  }
  return s;
}

PowerSumsBuilder::PowerSumsBuilder(int degree) : degree_(degree) {
  assert(degree >= 0 && degree <= kMaxDegree);
}

void PowerSumsBuilder::Add(std::string_view xText, std::string_view yText) {
  AddPoint(degree_, ConvertPoint(xText, yText), xText, yText, sums_);
}

void PowerSumsBuilder::Add(const ConvertedPoint& point, std::string_view xText, std::string_view yText) {
  AddPoint(degree_, point, xText, yText, sums_);
}

bool PowerSumsBuilder::NeedsTexts(const ConvertedPoint& point) const {
  return !point.xConverts || !point.yConverts || !SquareAndMultiplyCovers(point.x, 2 * degree_);
}

}  // namespace peruka
