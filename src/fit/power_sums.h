// The power sums and right-hand sides of the normal equations:
//   sums[k] = Σ x_r^k  (k = 0..2n),   rhs[k] = Σ y_r·x_r^k  (k = 0..n),
// each term formed in extended precision and every sum stored as a double.
//
// Two routes give the same bits, the same error and the same reports:
// SumPowersStepByStep follows the calculation's order literally, and
// SumPowers is the fast route the fit takes. Tests compare the two.
#pragma once

#include <cassert>
#include <string_view>

#include "fit/column.h"
#include "numeric/raise_power.h"

namespace peruka {

inline constexpr int kMinDegree = 1;
inline constexpr int kMaxDegree = 20;
inline constexpr int kMaxPower = 2 * kMaxDegree;

struct PowerSums {
  double sums[kMaxPower + 1] = {};
  double rhs[kMaxDegree + 1] = {};
};

// For every point in line order: for k = 0..2n the x text is converted
// afresh and sums[k] += RaisePower(x, k); then for k = 0..n the x text is
// converted, t = RaisePower(x, k), the y text is converted and
// rhs[k] = y·t + rhs[k]. Every store is checked at once. So the first text
// the conversion refuses in this order is the one named by EConvertError,
// and every report of the power function (two per x of zero) comes in its
// place. Throws EConvertError, or EOverflow for a value or a sum beyond the
// double range. 0 <= degree <= kMaxDegree; the columns have equal counts.
PowerSums SumPowersStepByStep(int degree, const Column& xColumn, const Column& yColumn);

// The same result, errors and reports, faster: each text is converted once,
// one point ahead (so the conversion overlaps the arithmetic); an x value
// for which the power function takes square-and-multiply at every exponent
// gets all its powers from one recurrence and reports nothing; any other x
// value goes step by step (see PowerSumsBuilder, which it uses).
PowerSums SumPowers(int degree, const Column& xColumn, const Column& yColumn);

// One point's texts converted ahead of their turn (TryParseDecimal), without
// raising: a text that does not convert is converted again in its turn,
// which raises its error in the right place.
struct ConvertedPoint {
  double x = 0.0;
  double y = 0.0;
  bool xConverts = false;
  bool yConverts = false;
};

ConvertedPoint ConvertPoint(std::string_view xText, std::string_view yText);

// SumPowers one point at a time, for input that is never held whole: after
// Add has been called for every point in line order, and then Finish, Sums()
// holds the bits SumPowers gives; the error and the reports are those
// SumPowers gives. After an error the sums are of no use.
//
// A plain point (both texts convert, every power by square-and-multiply) can
// only fail by an overflowing store, and a sum that overflowed stays
// infinite or NaN: so the stores of a run of plain points are checked once,
// by the next point that is not plain or by Finish. Nothing else can be seen
// in between, so the error is the one the point-by-point check would raise.
class PowerSumsBuilder {
 public:
  explicit PowerSumsBuilder(int degree);

  // One point's x and y texts (trimmed, as the fit reads them).
  void Add(std::string_view xText, std::string_view yText);
  // The same with the texts converted beforehand by ConvertPoint. The texts
  // are read only when NeedsTexts(point); otherwise they may be empty.
  void Add(const ConvertedPoint& point, std::string_view xText, std::string_view yText);
  // Add for a point known to be plain (NeedsTexts is false).
  void AddPlain(const ConvertedPoint& point);
  // Raises the overflow of a store that Add has not checked yet.
  void Finish();
  // Whether Add reads the texts: false for a plain point.
  bool NeedsTexts(const ConvertedPoint& point) const {
    return !point.xConverts || !point.yConverts || !SquareAndMultiplyCovers(point.x, 2 * degree_);
  }
  const PowerSums& Sums() const {
    assert(!unchecked_);
    return sums_;
  }

 private:
  int degree_;
  bool unchecked_ = false;
  PowerSums sums_;
};

}  // namespace peruka
