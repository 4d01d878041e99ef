// The calculation in one pass over the input, in constant memory: each
// point's lines are trimmed, checked by the character rule and added to the
// power sums as they are read, and nothing of them is kept. What the user
// sees is what CalculateColumns gives on the whole columns: the check has
// the last word (its notice wins over an error met earlier in the pass),
// the power function's reports are held back and count only when the check
// passes, and a conversion error names the first refused text in order.
//
// The pass has two sides: the reading side (lines, trimming, the character
// rule, the counts and the conversion of the texts) and the arithmetic
// (PowerSumsBuilder over the converted values, in point order). With
// PassThreads::Two the reading side runs a batch of points ahead on a
// thread of its own; the arithmetic sees the same values in the same order,
// so the outcome is the same bit for bit. The routes (FitRoutes) say
// whether the exact fit is made too, or alone.
#pragma once

#include <vector>

#include "cli/held_messages.h"
#include "cli/line_reader.h"
#include "cli/outcome.h"
#include "cli/point_batches.h"

namespace peruka::cli {

enum class PassThreads { One, Two };

// The converted values of every point the arithmetic took, in line order
// (16 bytes a point), for the quality figures of --stats.
struct KeptPoints {
  std::vector<double> x;
  std::vector<double> y;
};

// Two column files read in lockstep, the longer one to its end. Reports of
// the power function go to `reports`. Throws ReadError. With `kept`, the
// points are kept there as well (likewise for StreamPairs).
Outcome StreamColumns(int degree, ColumnLineReader& xLines, ColumnLineReader& yLines, HeldMessages& reports,
                      PassThreads threads = PassThreads::Two, KeptPoints* kept = nullptr,
                      FitRoutes routes = FitRoutes::Described);

// One pairs file, each line cut at its separator (PairSeparator), or as a
// table into fields, as `layout` says. Throws ReadError, or
// PairsFormatError at the first line that cannot be cut.
Outcome StreamPairs(int degree, ColumnLineReader& lines, char decimalMark, HeldMessages& reports,
                    PassThreads threads = PassThreads::Two, KeptPoints* kept = nullptr,
                    FitRoutes routes = FitRoutes::Described, const PairsLayout& layout = {});

}  // namespace peruka::cli
