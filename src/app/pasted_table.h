// A table pasted or dropped on the window, read into the lines the two
// columns take: by the pair grammar (text/pair_grammar.h) as before, or as
// a table with a header, quoted fields or more than two columns, split by
// the fields of text/table_fields.h as peruka-fit --pairs --header splits
// them. No toolkit: the window asks for the columns through a callback.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace peruka {

// Two columns of a table, from 0.
struct ColumnPair {
  std::size_t x = 0;
  std::size_t y = 1;
};

// Asked for a table of more than two columns with their names (Shift-JIS):
// the header's, or "列 N" where it has none. Nullopt: cancelled.
using ColumnChooser = std::function<std::optional<ColumnPair>(const std::vector<std::string>& names)>;

struct PastedTable {
  std::vector<std::string> x;  // the lines to append, trimmed of blanks
  std::vector<std::string> y;
  // The first line (from 1) that is not a point of the table: nothing is
  // taken then. 0 when every line is one (or empty).
  std::size_t badLine = 0;
  // The line taken as the header and skipped, 0 for none.
  std::size_t headerLine = 0;
  bool cancelled = false;  // the choice of columns was cancelled: nothing taken
};

// The lines of `text` (Shift-JIS, the window's line rule), lines of blanks
// skipped. The first line's delimiter is detected (DetectFieldDelimiter);
// that line is the header when none of its fields is a number and one is
// not empty. Without a header or a quote, what the pair grammar takes is
// taken as it takes it. Otherwise, or for a table of two lines or more
// whose first line has three fields or more, each line is split into
// fields: every line must have as many as the first line after the header,
// `choose` picks two of more than two, and each of the two fields, less its
// blanks, must be a text without blanks.
PastedTable ReadPastedTable(std::string_view text, char decimalMark, const ColumnChooser& choose);

// The note for a skipped header (Shift-JIS): "N 行目を見出しとみなして読み飛ばしました".
std::string HeaderSkippedNote(std::size_t line);

}  // namespace peruka
