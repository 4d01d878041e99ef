// A text of (x, y) pairs, one a line, split into the two columns' values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace peruka {

struct PairLines {
  std::vector<std::string> x;
  std::vector<std::string> y;
  // The first line that is not a pair, counted from 1; 0 when every line is
  // a pair (or empty).
  std::size_t badLine = 0;
};

// Splits each line (ended by CR LF, CR or LF) into its x and y: at a tab when
// the line has one, else at a comma when it has one and the decimal mark is
// not a comma, else at a run of blanks. A pair has exactly two parts, neither
// empty once the blanks around it are gone and neither with a blank inside. Lines of blanks only are
// skipped. The texts are Shift-JIS, whose second bytes are never a blank, a
// tab, a comma or a line break. On a bad line both columns come back empty.
PairLines SplitPairLines(std::string_view text, char decimalMark);

// The two columns as a table: "x<TAB>y" and LF for each line, as many lines
// as the longer column has; the shorter column's missing cells are empty.
std::string PairTable(const std::vector<std::string>& x, const std::vector<std::string>& y);

}  // namespace peruka
