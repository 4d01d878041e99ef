#include "numeric/soft_power_terms.h"

#include <cassert>
#include <cstddef>

#include "numeric/degree_table.h"
#include "numeric/soft_term.h"

namespace peruka {

namespace {

// The sums need no flags: a fresh status for each, dead once it returns, so
// that the compiler drops the flag work.
inline double Add(double sum, SoftTerm term) {
  unsigned flags = 0;
  return AddTermToDouble(sum, term, flags);
}

// x^(2k-1) = x^(2k-2) * x and x^(2k) = (x^k)^2: square-and-multiply's
// products, each rounded once.
template <int N>
void AddTerms(double xValue, double yValue, double* sums, double* rhs) {
  const SoftTerm x = TermOfDouble(xValue);
  SoftTerm powers[2 * std::size_t{N} + 1];
  powers[0] = {soft_term::kTop, soft_term::kBias, 0};
  sums[0] = Add(sums[0], powers[0]);
  // Not unrolled: unrolled, the body outgrows the instruction cache and
  // runs slower.
#pragma GCC unroll 1
  for (int k = 1; k <= N; ++k) {
    powers[2 * k - 1] = MulTerms(powers[2 * k - 2], x);
    powers[2 * k] = MulTerms(powers[k], powers[k]);
    sums[2 * k - 1] = Add(sums[2 * k - 1], powers[2 * k - 1]);
    sums[2 * k] = Add(sums[2 * k], powers[2 * k]);
  }
  if (yValue != 0) {
    // A non-zero double times a power of a covered x stays normal.
    const SoftTerm y = TermOfDouble(yValue);
#pragma GCC unroll 1
    for (int i = 0; i <= N; ++i) rhs[i] = Add(rhs[i], MulTerms(y, powers[i]));
  } else {
    const SoftExtended y = yValue;
    unsigned ignored = 0;
    for (int i = 0; i <= N; ++i)
      rhs[i] = SoftExtended::ToDouble(y * soft_term::Pack(powers[i]) + SoftExtended(rhs[i]), ignored);
  }
}

constexpr auto kKernels = DegreeTable<kSoftPowerTermsMaxDegree + 1>([]<int N>() { return &AddTerms<N>; });

}  // namespace

void SoftAddPowerTerms(int degree, double x, double y, double* sums, double* rhs) {
  assert(degree >= 0 && degree <= kSoftPowerTermsMaxDegree);
  kKernels[static_cast<std::size_t>(degree)](x, y, sums, rhs);
}

}  // namespace peruka
