// The fitted polynomial used at a new x: its value, from the exact
// coefficients where the exact fit gives them, with the 95% interval of the
// fitted mean and of a new observation; for the command's --at, the graph
// window's x entry and its bands alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"

namespace peruka {

struct FittedValue {
  double value = 0.0;                  // p(x) by Horner's rule in extended precision
  bool fromExact = false;              // the exact coefficients, or else the calculation's
  std::optional<Interval> mean;        // 95% interval of the fitted mean
  std::optional<Interval> prediction;  // 95% interval of a new observation
};

// The exact polynomial with each coefficient rounded once to a double; none
// when it is not unique.
std::optional<FitResult> ExactPolynomial(const ExactFit& exact);

// p(x) at `x`, the double of the decimal `xText` (read with `decimalMark`):
// from `exact` when it is given, unique and finite, else from `calculated`
// (and then without intervals). The intervals are p(x) ± t·se, with the
// standard errors exact until their one rounding.
FittedValue EvaluateFit(const FitResult& calculated, const ExactFit* exact, double x, std::string_view xText,
                        char decimalMark);

// "p(3.5) = 13.25 (厳密解)  95% 信頼区間: [12.9, 13.5]  95% 予測区間: [12.6, 13.8]"
// in UTF-8, `x` as given, every number its shortest text with `decimalMark`.
std::string FittedValueText(std::string_view x, const FittedValue& fitted, char decimalMark);

}  // namespace peruka
