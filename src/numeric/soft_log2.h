// y * log2(x) and 2^x - 1 on SoftExtended values, for the power function's
// logarithm path when the x87 unit is not there. The fitting never takes
// that path (its exponents are small integers).
//
// Both are computed with more than 100 correct bits in 128-bit fixed point
// and rounded once to nearest, so they are within half an ulp plus a hair of
// the exact value. FYL2X and F2XM1 are not exactly rounded, so the x87 unit
// and these may differ in the last bit: SoftExtendedTranscendentals in
// soft_extended_diff_test checks that on random operands over the whole
// range, none differs by more than 1 ulp. The power function's results on
// this path can therefore differ from the x87's by a few ulps. Flags are
// not modelled.
#pragma once

#include "numeric/soft_extended.h"

namespace peruka {

// x > 0 finite, y finite; other operands give a NaN or an infinity.
SoftExtended SoftYLog2X(SoftExtended y, SoftExtended x);
// |x| <= 1.
SoftExtended SoftTwoToXMinusOne(SoftExtended x);

}  // namespace peruka
