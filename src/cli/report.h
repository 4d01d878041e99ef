// How the command reports an outcome: as the window's texts (the result on
// standard output, notices and errors on standard error) or as one JSON
// object on standard output.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/evaluations.h"
#include "cli/options.h"
#include "cli/outcome.h"
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

// Writes the outcome in the given format and returns the exit status. Any
// "powl: DOMAIN error" lines already on `err` are flushed before a result
// is written. With `stats` (--stats) a result is followed by its quality
// figures: a block on `err` after the result text, or the "stats" member.
// With `at` (--at, --at-file) a result is followed by its values there.
int Report(const Outcome& outcome, const InputNames& names, OutputFormat format, std::FILE* out,
           std::FILE* err, const FitQuality* stats = nullptr, const std::vector<AtPoint>* at = nullptr);

}  // namespace peruka::cli
