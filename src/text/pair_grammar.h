// The grammar of (x, y) pair lines, for the window's pairs paste and file
// drop and for peruka-fit --pairs alike, and the table the window saves.
//
// Every pair line is parted at its separator: its first tab, or, when it has
// no tab and the decimal mark is not a comma, its first comma. The command
// takes the two sides as they are (its column check refuses what is not a
// number). The window, where pairs come from tables copied by hand, asks
// more: a line without either separator may be parted at a run of blanks,
// and the line must be exactly two parts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace peruka {

// The blanks of a pair line or a table field: spaces and tabs.
bool IsBlank(char c);
// The text without the blanks at its ends.
std::string_view WithoutBlanks(std::string_view text);

// Where a pair line separates x from y (see above): npos when it has
// neither a tab nor (unless the decimal mark is a comma) a comma.
std::size_t PairSeparator(std::string_view line, char decimalMark);

struct PairLines {
  std::vector<std::string> x;
  std::vector<std::string> y;
  // The first line that is not a pair, counted from 1; 0 when every line is
  // a pair (or empty).
  std::size_t badLine = 0;
};

// Splits each line (by the window's rule, text/lines.h) into its x and y: at
// its separator, else at a run of blanks. A pair has exactly two parts (no
// second separator), neither empty once the blanks around it are gone and
// neither with a blank inside. Lines of blanks only are skipped. The texts are Shift-JIS, whose second bytes
// are never a blank, a tab, a comma or a line break. On a bad line both columns come back empty.
PairLines SplitPairLines(std::string_view text, char decimalMark);

// The two columns as a table: "x<TAB>y" and LF for each line, as many lines
// as the longer column has; the shorter column's missing cells are empty.
std::string PairTable(const std::vector<std::string>& x, const std::vector<std::string>& y);

}  // namespace peruka
