#include "fit/power_sums.h"

#include <cassert>
#include <cmath>

#include "fit/checked_store.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/power_terms.h"
#include "numeric/raise_power.h"

namespace peruka {

namespace {

static_assert(kMaxDegree == kMaxPowerTermsDegree);

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

// A point whose x takes square-and-multiply at every exponent but whose y
// text is refused (with both texts converting it would be plain): no power
// reports anything, and the power sums come first, so their overflow wins
// over y's conversion error.
void AddCoveredPointWithRefusedY(int n, Extended x, std::string_view yText, PowerSums& s) {
  Extended lower[kMaxDegree + 1];
  VisitSquareAndMultiplyPowers(x, 2 * n, lower,
                               [&](int i, Extended power) { s.sums[i] = StoreDouble(s.sums[i] + power); });
  CheckStores(s.sums, 2 * n + 1);
  ParseDecimal(yText);  // raises the conversion error
}

// One point by the fast route, its texts converted beforehand.
void AddPoint(int n, const ConvertedPoint& point, std::string_view xText, std::string_view yText,
              PowerSums& s) {
  if (!point.xConverts) ParseDecimal(xText);  // raises the conversion error
  const Extended x = point.x;
  if (SquareAndMultiplyCovers(x, 2 * n)) {
    assert(!point.yConverts);
    AddCoveredPointWithRefusedY(n, x, yText, s);
  } else {
    AddPointStepByStep(n, xText, yText, s);
  }
}

}  // namespace

ConvertedPoint ConvertPoint(std::string_view xText, std::string_view yText) {
  ConvertedPoint point;
  point.xConverts = TryParsePlainDecimal(xText, point.x) || TryParseDecimal(xText, point.x);
  point.yConverts = TryParsePlainDecimal(yText, point.y) || TryParseDecimal(yText, point.y);
  return point;
}

PowerSums SumPowersStepByStep(int degree, const Column& xColumn, const Column& yColumn) {
  assert(degree >= 0 && degree <= kMaxDegree && xColumn.Count() == yColumn.Count());
  PowerSums s;
  for (std::size_t r = 0; r < xColumn.Count(); ++r) AddPointStepByStep(degree, xColumn[r], yColumn[r], s);
  return s;
}

PowerSums SumPowers(int degree, const Column& xColumn, const Column& yColumn) {
  assert(xColumn.Count() == yColumn.Count());
  const std::size_t m = xColumn.Count();
  PowerSumsBuilder builder(degree);
  ConvertedPoint next = m > 0 ? ConvertPoint(xColumn[0], yColumn[0]) : ConvertedPoint{};
  for (std::size_t r = 0; r < m; ++r) {
    const ConvertedPoint point = next;
    if (r + 1 < m) next = ConvertPoint(xColumn[r + 1], yColumn[r + 1]);
    builder.Add(point, xColumn[r], yColumn[r]);
  }
  builder.Finish();
  return builder.Sums();
}

PowerSumsBuilder::PowerSumsBuilder(int degree) : degree_(degree) {
  assert(degree >= 0 && degree <= kMaxDegree);
}

void PowerSumsBuilder::Add(std::string_view xText, std::string_view yText) {
  Add(ConvertPoint(xText, yText), xText, yText);
}

void PowerSumsBuilder::Add(const ConvertedPoint& point, std::string_view xText, std::string_view yText) {
  if (!NeedsTexts(point)) {
    AddPlain(point);
    return;
  }
  Finish();
  AddPoint(degree_, point, xText, yText, sums_);
}

void PowerSumsBuilder::AddPlain(const ConvertedPoint& point) {
  assert(!NeedsTexts(point));
  AddPowerTerms(degree_, point.x, point.y, sums_.sums, sums_.rhs);
  unchecked_ = true;
}

void PowerSumsBuilder::Finish() {
  if (!unchecked_) return;
  unchecked_ = false;
  CheckStores(sums_.sums, 2 * degree_ + 1);
  CheckStores(sums_.rhs, degree_ + 1);
}

}  // namespace peruka
