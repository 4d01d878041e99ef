#include "fit/fit_polynomial.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "fit/checked_store.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"

namespace peruka {

void FitResult::DeliverPendingFault() const {
  if (lastStoreOverflowed) RaiseFault(kFaultFloatOverflow);
}

FitResult FitPolynomial(int itemIndex, const Column& xColumn, const Column& yColumn) {
  if (itemIndex < kMinDegree - 2 || itemIndex > kMaxDegree - 1)
    throw std::out_of_range("degree index out of range: " + std::to_string(itemIndex));
  if (xColumn.Count() != yColumn.Count()) throw std::out_of_range("columns of unequal length");
  const int n = itemIndex + 1;  // an index of -1 (no selection) fits the constant alone
  return Eliminate(n, SumPowers(n, xColumn, yColumn));
}

FitResult Eliminate(int degree, const PowerSums& powerSums) {
  const int n = degree;
  const double* sums = powerSums.sums;
  const double* rhs = powerSums.rhs;
  double a[kMaxDegree + 1][kMaxDegree + 2];
  for (int g = 0; g <= n; ++g) {
    for (int c = 0; c <= n; ++c) a[g][c] = sums[g + c];
    a[g][n + 1] = rhs[g];
  }

  FitResult result;
  result.degree = n;
  for (int h = 0; h <= n; ++h) {
    const double pivot = a[h][h];
    for (int c = h; c <= n + 1; ++c) a[h][c] = StoreChecked(static_cast<Extended>(a[h][c]) / pivot);
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
          a[r][c] = StoreChecked(value);
        }
      }
    }
  }
  for (int k = 0; k <= n; ++k) result.coefficients[static_cast<std::size_t>(k)] = a[k][n + 1];
  return result;
}

}  // namespace peruka
