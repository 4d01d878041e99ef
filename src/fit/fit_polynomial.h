// The least-squares polynomial by normal equations and Gauss-Jordan
// elimination without pivoting, in extended precision with every sum, matrix
// cell and coefficient stored as a double.
#pragma once

#include <array>

#include "fit/column.h"
#include "fit/power_sums.h"

namespace peruka {

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
// points (the columns have equal counts, as the check makes sure). The power
// sums come from SumPowers, so errors and reports come in the order of the
// calculation (see power_sums.h); then the matrix is eliminated row by row.
// itemIndex runs from -1 (no selection: the constant alone) to 19; any other
// value throws std::out_of_range, as do columns of unequal counts.
// Throws EConvertError, EOverflow (a value or a stored sum beyond the double
// range) or EInvalidOp (a zero pivot: 0/0).
FitResult FitPolynomial(int itemIndex, const Column& xColumn, const Column& yColumn);

// The elimination alone, over given power sums.
FitResult Eliminate(int degree, const PowerSums& powerSums);

}  // namespace peruka
