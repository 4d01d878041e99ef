// Pairs files: one point per line, x and y parted at the separator of the
// pair grammar (text/pair_grammar.h): a tab, or a comma.
#pragma once

#include <cstddef>
#include <string_view>

#include "fit/column.h"
#include "text/pair_grammar.h"

namespace peruka::cli {

// Splits `text` into lines (ForEachLine) and each line at its separator into
// the x text and the y text, which the columns view (NUL bytes and all), so
// `text` must outlive them. Returns 0, or the 1-based number of the first
// line without a separator (the columns then hold the lines before it).
std::size_t SplitPairs(std::string_view text, char decimalMark, Column& xColumn, Column& yColumn);

}  // namespace peruka::cli
