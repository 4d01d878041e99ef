// The quality figures of --stats (FitQuality), as text and as JSON.
#pragma once

#include <string>

#include "fit/fit_quality.h"

namespace peruka::cli {

// The block that follows the result on standard error (UTF-8), one figure
// a line under a heading line, the warning last when it is set.
std::string StatsText(const FitQuality& quality);

// The "stats" object, members in this order: "r_squared",
// "adjusted_r_squared", "residual_standard_error" (null where undefined),
// "max_abs_residual", "max_residual_point" (from 0), "condition_number"
// (null when infinite), "condition_warning" (true or false).
std::string StatsJson(const FitQuality& quality);

}  // namespace peruka::cli
