// The calculation in one pass over the input, in constant memory: each
// point's lines are trimmed, checked by the character rule and added to the
// power sums as they are read, and nothing of them is kept. What the user
// sees is what CalculateColumns gives on the whole columns: the check has
// the last word (its notice wins over an error met earlier in the pass),
// the power function's reports are held back and count only when the check
// passes, and a conversion error names the first refused text in order.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/held_messages.h"
#include "cli/line_reader.h"
#include "cli/outcome.h"
#include "fit/power_sums.h"

namespace peruka::cli {

// A --pairs line without a separator.
struct PairsFormatError {
  std::string name;
  std::size_t line;
};

class PointByPointCalculation {
 public:
  explicit PointByPointCalculation(int degree);

  // Point r: its x line and y line as read (untrimmed), r counting from 0.
  void AddPoint(std::string_view xLine, std::string_view yLine);
  // The outcome for columns of these line counts (the points added are the
  // first min(xCount, yCount) of them); the reports made meanwhile are in
  // `reports`, whose count the outcome takes unless it is a notice.
  Outcome Finish(std::size_t xCount, std::size_t yCount, const HeldMessages& reports);

 private:
  int degree_;
  std::size_t points_ = 0;
  PowerSumsBuilder builder_;
  std::optional<Place> nonNumericX_;  // the first line of each column that fails the rule
  std::optional<Place> nonNumericY_;
  std::optional<Outcome> error_;  // the fit's error, which ends the fit's work
};

// Two column files read in lockstep, the longer one to its end. Reports of
// the power function go to `reports`. Throws ReadError.
Outcome StreamColumns(int degree, ColumnLineReader& xLines, ColumnLineReader& yLines, HeldMessages& reports);

// One pairs file, each line cut at its separator (PairSeparator). Throws
// ReadError, or PairsFormatError at the first line without a separator.
Outcome StreamPairs(int degree, ColumnLineReader& lines, char decimalMark, HeldMessages& reports);

}  // namespace peruka::cli
