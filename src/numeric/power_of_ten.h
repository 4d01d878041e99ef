// Multiplying an extended value by a power of ten through three tables of
// extended constants: 10^i (i < 32), 10^(32 j) (j < 16) and 10^(512 m) (m < 10).
#pragma once

#include <cstdint>

#include "numeric/extended.h"

namespace peruka {

inline constexpr std::int32_t kPowerOfTenScaleLimit = 5120;

// The nearest extended values (ties to even) to 10^i, 10^(32 j) and
// 10^(512 m); constant tables, ready before any code runs.
extern const Extended kPowersOfTenUnits[32];        // i = 0 to 31
extern const Extended kPowersOfTenThirtyTwos[16];   // j = 1 to 15; entry 0 unused
extern const Extended kPowersOfTenFiveTwelves[10];  // m = 1 to 9; entry 0 unused

// value × 10^n. For 0 < |n| < 5120: at most three multiplications (n > 0) or
// divisions (n < 0), units, then 32s, then 512s, each rounded to extended.
// n <= -5120 gives +0 whatever the value; n >= 5120 gives +infinity.
Extended ScaleByPowerOfTen(Extended value, std::int32_t n);

}  // namespace peruka
