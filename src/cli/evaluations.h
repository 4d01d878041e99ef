// --at X and --at-file F: the fitted polynomial's value at new x, with the
// 95% interval of the mean and of a new observation.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/outcome.h"
#include "fit/fitted_value.h"

namespace peruka::cli {

// One x asked for: where it was given (the file and line, or "--at" and
// its place among the --at options, from 1) and its text, trimmed.
struct AtPoint {
  std::string name;
  std::size_t line = 0;
  std::string text;  // Shift-JIS
  double x = 0.0;    // as the calculation converts it
};

// An x text refused as a data line is: by the character rule (a notice,
// kind Notice) or by the conversion (kind Convert or Overflow), with its
// place.
struct AtPointError {
  Outcome outcome;
  std::string name;
};

// Every --at value, then every line of the --at-file (standard input for
// "-"), checked and converted in that order under the current decimal
// mark. Throws AtPointError at the first refused text, ReadError or
// LineTooLongError.
std::vector<AtPoint> ReadAtPoints(const Options& options, std::FILE* in, std::size_t maxLineLength);

// p(x) for a result (see EvaluateFit), from its exact fit when there is one.
FittedValue Evaluate(const Outcome& result, const AtPoint& point);

// One line a point (UTF-8), and the "evaluations" array.
std::string EvaluationsText(const Outcome& result, const std::vector<AtPoint>& points);
std::string EvaluationsJson(const Outcome& result, const std::vector<AtPoint>& points);

}  // namespace peruka::cli
