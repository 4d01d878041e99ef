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

// True when RaisePower(x, i) takes square-and-multiply for every integer
// exponent 1 <= i <= maxPower (maxPower <= 4095) and reports nothing for i = 0.
bool SquareAndMultiplyCovers(Extended x, int maxPower);

// powers[i] = RaisePower(x, i) for i = 0..maxPower, where
// SquareAndMultiplyCovers(x, maxPower). Shares the squarings between exponents:
// the left-to-right method computes x^i from x^(i / 2) exactly this way.
void SquareAndMultiplyPowers(Extended x, int maxPower, Extended* powers);

}  // namespace peruka
