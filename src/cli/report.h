// How the command reports an outcome: as the window's texts (the result on
// standard output, notices and errors on standard error) or as one JSON
// object on standard output.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/evaluations.h"
#include "cli/options.h"
#include "cli/outcome.h"
#include "fit/equation_text.h"
#include "fit/fit_quality.h"

namespace peruka::cli {

// The inputs as named on the command line ("-" for standard input): the x
// column's and the y column's, both the pairs file with --pairs.
struct InputNames {
  std::string x;
  std::string y;
};

void Write(std::FILE* stream, std::string_view text);

// "peruka-fit: NAME:LINE: ", NAME being "standard input" for "-".
std::string LocationPrefix(std::string_view name, std::size_t line);

// What follows a result besides its coefficients: the quality figures
// (--stats: a block on `err` after the result text, or the "stats" member),
// the values at new x (--at, --at-file) and the equation in another form
// (--equation: instead of the result text, or the "equation" member).
struct ResultExtras {
  const FitQuality* stats = nullptr;
  const std::vector<AtPoint>* at = nullptr;
  std::optional<EquationForm> equation;
};

// Writes the outcome in the given format and returns the exit status. Any
// "powl: DOMAIN error" lines already on `err` are flushed before a result
// is written.
int Report(const Outcome& outcome, const InputNames& names, OutputFormat format, std::FILE* out,
           std::FILE* err, const ResultExtras& extras = {});

}  // namespace peruka::cli
