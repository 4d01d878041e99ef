// The fitted polynomial's value at a point by Horner's rule, in extended
// precision:
//   p(x) = c_0 + x·(c_1 + x·(... + x·c_n))
// with the coefficients as the fit stored them (doubles), every product and
// sum rounded to the 64-bit significand.
#pragma once

#include "fit/fit_polynomial.h"
#include "numeric/extended.h"

namespace peruka {

Extended EvaluatePolynomial(const FitResult& fit, Extended x);

}  // namespace peruka
