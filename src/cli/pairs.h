// Pairs files: one point per line, x and y parted at the separator of the
// pair grammar (text/pair_grammar.h): a tab, or a comma. Or, with
// --columns, --delimiter or --header, a table: x and y are two of its
// fields (text/table_fields.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "fit/column.h"
#include "text/pair_grammar.h"
#include "text/table_fields.h"

namespace peruka::cli {

// How a pairs file is read: its first lines skipped (--header), and its
// lines cut by the pair grammar or, as a table, into fields.
struct PairsLayout {
  std::size_t skippedLines = 0;
  bool table = false;
  std::size_t xField = 0;  // from 0
  std::size_t yField = 1;
  // Nullopt: the table's delimiter is detected from its first data line.
  std::optional<FieldDelimiter> delimiter;
};

// Splits `text` into lines (ForEachLine) and each line at its separator into
// the x text and the y text, which the columns view (NUL bytes and all), so
// `text` must outlive them. Returns 0, or the 1-based number of the first
// line without a separator (the columns then hold the lines before it).
std::size_t SplitPairs(std::string_view text, char decimalMark, Column& xColumn, Column& yColumn);

}  // namespace peruka::cli
