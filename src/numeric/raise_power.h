// x to the power y in extended precision, with the math-error reports of the
// runtime (a box "powl: DOMAIN error" for 0 to the power 0, among others).
#pragma once

#include "numeric/extended.h"

namespace peruka {

// Small integral exponents use left-to-right square-and-multiply, each
// product rounded to extended; other exponents take the logarithm path
// (FYL2X, F2XM1, FSCALE). Domain and overflow errors are reported through
// ReportMathError and return a substitute value; nothing is thrown, except
// EOverflow when y × ln x itself overflows (|y| above about 1e4928).
// Examples: RaisePower(3, 5) == 243; RaisePower(0, 0) == 1 after one report.
Extended RaisePower(Extended x, Extended y);

// sqrt(2) rounded upward in its last bit (nearest would end in ...84): the
// factor of an odd number of half powers of two on the logarithm path.
inline constexpr Extended kSqrt2RoundedUp = 0xB.504F333F9DE6485p-3L;

// True when RaisePower(x, i) takes square-and-multiply for every integer
// exponent 1 <= i <= maxPower and reports nothing for i = 0.
// 0 <= maxPower <= 4095.
bool SquareAndMultiplyCovers(Extended x, int maxPower);

// powers[i] = RaisePower(x, i) for i = 0..maxPower, where
// SquareAndMultiplyCovers(x, maxPower). Shares the squarings between exponents:
// the left-to-right method computes x^i from x^(i / 2) exactly this way.
void SquareAndMultiplyPowers(Extended x, int maxPower, Extended* powers);

}  // namespace peruka
