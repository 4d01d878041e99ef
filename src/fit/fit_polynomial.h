// The least-squares polynomial by normal equations and Gauss-Jordan
// elimination without pivoting, in extended precision with every sum, matrix
// cell and coefficient stored as a double.
#pragma once

#include <array>

#include "fit/line_list.h"

namespace peruka {

inline constexpr int kMinDegree = 1;
inline constexpr int kMaxDegree = 20;

struct FitResult {
  int degree = 0;
  // coefficients[k] multiplies x^k, k = 0..degree.
  std::array<double, kMaxDegree + 1> coefficients{};
  // Only the very last store of the elimination overflowed: the fault reaches
  // the caller when the first coefficient is used, after the result text has
  // begun.
  bool lastStoreOverflowed = false;

  // Throws the pending EOverflow, if any.
  void DeliverPendingFault() const;
};

// Fits the polynomial of degree itemIndex + 1 to the m = xColumn.Count()
// points. The columns are read exactly in the order of the calculation: per
// point, the x text 2n + 1 times for the power sums, then x and y n + 1 times
// for the right-hand sides. So the first refused text in that order is named
// by the EConvertError, and every "powl: DOMAIN error" report (two per x of
// zero) comes in its place. Each text is converted once; the repetitions
// give the same value and are not observable.
// itemIndex runs from -1 to 19; any other value throws std::out_of_range.
// Throws EConvertError, EOverflow (a value or a stored sum beyond the double
// range) or EInvalidOp (a zero pivot: 0/0).
FitResult FitPolynomial(int itemIndex, const LineList& xColumn, const LineList& yColumn);

// The same over the first `points` lines of each column. The calculate
// command passes the count it checked: a last line of blanks that the check
// trimmed to nothing would otherwise drop out of a box's count, and that
// point would be lost silently instead of being refused as an empty text.
FitResult FitPolynomial(int itemIndex, const LineList& xColumn, const LineList& yColumn, std::size_t points);

}  // namespace peruka
