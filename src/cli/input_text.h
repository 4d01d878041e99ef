// A whole input turned at once into the Shift-JIS text that the columns
// hold. The command itself reads its input in one pass, line by line
// (line_reader.h, stream_fit.h); this is the whole-text route that the pass
// is compared against.
#pragma once

#include <string>
#include <string_view>

namespace peruka::cli {

// UTF-8 input loses a leading byte-order mark and is converted (a character
// with no Shift-JIS form, or a malformed byte, becomes "?"); Shift-JIS input,
// and ASCII, is taken as it is.
std::string ToColumnText(std::string_view input, bool inputIsShiftJis);

}  // namespace peruka::cli
