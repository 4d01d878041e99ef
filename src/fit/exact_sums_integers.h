// The integers of ExactPowerSums (see exact_power_sums.h), for the solve.
#pragma once

#include <cstddef>
#include <vector>

#include "fit/big_number.h"

namespace peruka {

struct ExactSumIntegers {
  int degree = 0;
  std::size_t points = 0;
  unsigned xScale = 0;        // D: x·10^D is an integer for every x
  unsigned yScale = 0;        // E: likewise y·10^E
  std::vector<BigInteger> s;  // S[0..2n]
  std::vector<BigInteger> r;  // R[0..n]
  BigInteger q;               // Q
};

}  // namespace peruka
