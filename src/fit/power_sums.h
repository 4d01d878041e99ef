// The power sums and right-hand sides of the normal equations:
//   sums[k] = Σ x_r^k  (k = 0..2n),   rhs[k] = Σ y_r·x_r^k  (k = 0..n),
// each term formed in extended precision and every sum stored as a double.
//
// Two routes give the same bits, the same error and the same reports:
// SumPowersStepByStep follows the calculation's order literally, and
// SumPowers is the fast route the fit takes. Tests compare the two.
#pragma once

#include <string_view>

#include "fit/column.h"

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
// gets all its powers from one recurrence, reports nothing, and has its
// stores checked once per point; any other x value goes step by step.
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
// Add has been called for every point in line order, Sums() holds the bits
// SumPowers gives, and each Add raises the error and makes the reports that
// SumPowers does for that point. After an error the sums are of no use.
class PowerSumsBuilder {
 public:
  explicit PowerSumsBuilder(int degree);

  // One point's x and y texts (trimmed, as the fit reads them).
  void Add(std::string_view xText, std::string_view yText);
  // The same with the texts converted beforehand by ConvertPoint. The texts
  // are read only when NeedsTexts(point); otherwise they may be empty.
  void Add(const ConvertedPoint& point, std::string_view xText, std::string_view yText);
  bool NeedsTexts(const ConvertedPoint& point) const;
  const PowerSums& Sums() const { return sums_; }

 private:
  int degree_;
  PowerSums sums_;
};

}  // namespace peruka
