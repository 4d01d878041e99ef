// Exact rationals rounded once to a double: to nearest, ties to even, with
// subnormals, beyond the largest double an infinity of the right sign.
#pragma once

#include "fit/big_number.h"

namespace peruka {

// numerator / denominator (denominator > 0). A zero numerator gives +0.
double RoundToDouble(const Fraction& value);

// The square root of numerator / denominator (both >= 0, denominator > 0).
double RoundSquareRootToDouble(const Fraction& value);

// Compares the magnitudes |a| and |b|: -1, 0 or 1.
int CompareMagnitudes(const Fraction& a, const Fraction& b);

// The double's exact value.
Fraction ExactValue(double value);

}  // namespace peruka
