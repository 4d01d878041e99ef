// The quality figures of --stats (FitQuality, and the exact fit's), as text
// and as JSON.
#pragma once

#include <string>

#include "fit/exact_fit.h"
#include "fit/fit_quality.h"

namespace peruka::cli {

// The block that follows the result on standard error (UTF-8), one figure
// a line under a heading line. With `exact`, the coefficients of `described`
// (null when the result shown is the exact one) that have fewer than
// kTrustedDigitsWarning trusted digits are named in a warning, and the exact
// fit's block follows: a table of the coefficients, highest power first,
// and its figures. Without `exact` the warning is the condition number's.
std::string StatsText(const FitQuality& quality, const ExactFit* exact = nullptr,
                      const FitResult* described = nullptr);

// The "stats" object, members in this order: "r_squared",
// "adjusted_r_squared", "residual_standard_error" (null where undefined),
// "max_abs_residual", "max_residual_point" (from 0), "condition_number"
// (null when infinite), "condition_warning" (true or false).
std::string StatsJson(const FitQuality& quality);

// The members that coefficient k gets: ,"exact", ,"trusted_digits" (only
// with `described`), ,"standard_error" and ,"interval" ([lower, upper]),
// each null where undefined; nothing when the exact fit is not unique.
std::string CoefficientStatsJson(const ExactFit& exact, const FitResult* described, int k);

// The "exact" object: "unique", then for a unique fit
// "residual_sum_of_squares", "r_squared", "adjusted_r_squared",
// "residual_standard_deviation", "t_quantile" (null where undefined) and,
// with `described`, "low_trust": [{"power", "digits"}, ...].
std::string ExactStatsJson(const ExactFit& exact, const FitResult* described);

}  // namespace peruka::cli
