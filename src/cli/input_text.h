// Reading the command's input files and turning them into the two columns.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "fit/text_lines.h"

namespace peruka::cli {

// Reads everything from `stream` into `text`. Returns 0, or the errno of the
// failed read.
int ReadAll(std::FILE* stream, std::string& text);

// Reads the whole file at `path` into `text`. Returns 0, or the errno of the
// failed open or read.
int ReadFile(const std::string& path, std::string& text);

// The input as the columns hold it: Shift-JIS bytes. UTF-8 input loses a
// leading byte-order mark and is converted (a character with no Shift-JIS
// form, or a malformed byte, becomes "?"); Shift-JIS input is taken as it is.
// Pure ASCII is returned without conversion.
std::string ToColumnText(std::string input, bool inputIsShiftJis);

// The separator rule of a pairs line: the first tab, or, when the line has no
// tab and the decimal mark is not a comma, the first comma. npos when neither.
std::size_t PairSeparator(std::string_view line, char decimalMark);

struct PairsResult {
  // 1-based number of the first line without a separator; 0 when every line
  // has one.
  std::size_t badLine = 0;
};

// Splits `text` into lines at LF (dropping the CR of a CR LF, not counting an
// empty last line) and each line at its separator into the x text and the y
// text. The texts are appended to the columns byte for byte, NUL bytes
// included. Stops at the first line without a separator.
PairsResult SplitPairs(std::string_view text, char decimalMark, TextLines& xColumn, TextLines& yColumn);

}  // namespace peruka::cli
