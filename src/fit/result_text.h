// The text of the fitted polynomial, highest power first, one term per line:
//   y = (2.000000000000000) x^1
//      + (1.000000000000000)
#pragma once

#include <string>

#include "fit/fit_polynomial.h"

namespace peruka {

// What the result label reads before the first term is added.
inline constexpr std::string_view kResultLead = "y = ";

// The whole text; lines are separated by a single LF.
std::string ResultText(const FitResult& fit);

}  // namespace peruka
