#include "numeric/power_terms.h"

#include <cassert>
#include <cstddef>

#include "numeric/degree_table.h"
#include "numeric/extended.h"
#include "numeric/raise_power.h"
#include "numeric/soft_power_terms.h"

namespace peruka {

static_assert(kSoftPowerTermsMaxDegree == kMaxPowerTermsDegree);

#if PERUKA_EXTENDED_SOFTWARE
void AddPowerTerms(int degree, double x, double y, double* sums, double* rhs) {
  assert(SquareAndMultiplyCovers(x, 2 * degree));
  SoftAddPowerTerms(degree, x, y, sums, rhs);
}
#else
namespace {

// One kernel per degree, so that the loop over the powers unrolls.
template <int N>
void AddTerms(double xValue, double yValue, double* sums, double* rhs) {
  const Extended x = xValue;
  const Extended y = yValue;
  Extended lower[std::size_t{N} + 1];
  VisitSquareAndMultiplyPowers<2 * N>(x, lower, [&](int i, Extended power) {
    sums[i] = StoreDouble(sums[i] + power);
    if (i <= N) rhs[i] = StoreDouble(y * power + rhs[i]);
  });
}

constexpr auto kKernels = DegreeTable<kMaxPowerTermsDegree + 1>([]<int N>() { return &AddTerms<N>; });

}  // namespace

void AddPowerTerms(int degree, double x, double y, double* sums, double* rhs) {
  assert(degree >= 0 && degree <= kMaxPowerTermsDegree);
  assert(SquareAndMultiplyCovers(x, 2 * degree));
  kKernels[static_cast<std::size_t>(degree)](x, y, sums, rhs);
}
#endif

}  // namespace peruka
