// The shortest decimal text that reads back as the same double ("0.1",
// "1e-07", "-2.5"): the one way this program writes a double for reading
// back, by people and by other programs alike.
#pragma once

#include <string>

namespace peruka {

// `value` must be finite or infinite (no NaN); the decimal point is written
// as `decimalMark`.
std::string ShortestDecimal(double value, char decimalMark = '.');
// The same without an exponent ("0.0000001"), for readers of plain
// decimals; `value` must be finite.
std::string ShortestPlainDecimal(double value);

// The double within `tolerance` of the finite `x` whose shortest text has
// the fewest significant digits (x itself when none has fewer than 17):
// 1.37 for 1.3712804 within 0.005.
double FewestDigitsNear(double x, double tolerance);

}  // namespace peruka
