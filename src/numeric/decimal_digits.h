// The exact value a plain decimal text stands for, as its digits.
//
// Every text that passes the columns' character rule and converts is an
// optional "-", digits, and at most one decimal mark among them (or the mark
// alone): a finite decimal number. SplitDecimalDigits reads that form
// without any rounding, for the exact fit.
#pragma once

#include <string_view>

namespace peruka {

struct DecimalDigits {
  bool negative = false;
  std::string_view integerDigits;   // before the mark, leading zeros kept
  std::string_view fractionDigits;  // after it; empty without a mark
};

// "-"? digits? (mark digits?)? with at least one digit or the mark: so "5.",
// ".5", "." (zero) and "-." (zero) read, as the conversion reads them, and
// "", "-" and anything else do not. Returns false for those.
bool SplitDecimalDigits(std::string_view text, char decimalMark, DecimalDigits& digits);

}  // namespace peruka
