// What the detail window shows of a calculation, for every backend, in
// Shift-JIS: a table with a row per power of x, highest first (the
// window's coefficient, the exact one, how many digits of the window's
// agree with it, the standard error and the 95% interval), the figures of
// the fit under it, and a note: the warning naming the coefficients with
// too few trusted digits, or that the polynomial is not unique. The same as
// tab-separated text for the clipboard.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"

namespace peruka {

struct FitFigure {
  std::string name;
  std::string value;
};

struct FitDetails {
  // The table's headings and its rows, a cell per heading; without the
  // exact columns when the polynomial is not unique.
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
  // R², the adjusted R² and the residual standard deviation; none when the
  // polynomial is not unique.
  std::vector<FitFigure> figures;
  // Empty for a fit whose every coefficient is trusted.
  std::string note;
  bool warning = false;  // the note is the warning
};

// The details of the window's fit `described` and the exact fit of the same
// points and degree. Numbers are the shortest texts that read back as the
// same double, with the decimal mark.
FitDetails DescribeFit(const FitResult& described, const ExactFit& exact, char decimalMark);

// The headings, the rows and the figures, tab-separated, then the note;
// each line ended by a line feed.
std::string DetailsTsv(const FitDetails& details);

}  // namespace peruka
