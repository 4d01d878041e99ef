// The fitted polynomial written out for other programs and documents. Every
// number is the shortest decimal text that reads back as the same double,
// so each form carries the coefficients exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fit/fit_polynomial.h"

namespace peruka {

enum class EquationForm {
  Plain,        // y = 1.5x^2 − 0.25x + 3 (U+2212 for a negative term; zero terms left out)
  Latex,        // y = 1.5x^{2} - 0.25x + 3, a power of ten as \times 10^{-7}
  Spreadsheet,  // =1.5*A2^2-0.25*A2+3, numbers with "." and E, over the cell A2
  C,            // a function in Horner's form: double p(double x) { return ...; }
  Python,       // the same as def p(x): return ...
};

// "plain", "latex", "spreadsheet", "c" or "python"; nullopt for another name.
std::optional<EquationForm> EquationFormNamed(std::string_view name);

// The polynomial of `fit` in the form (UTF-8), ending with a line feed.
// Every coefficient must be finite.
std::string EquationText(const FitResult& fit, EquationForm form);

}  // namespace peruka
