#include "cli/input_text.h"

#include "text/byte_order_mark.h"
#include "text/shift_jis.h"

namespace peruka::cli {

std::string ToColumnText(std::string_view input, bool inputIsShiftJis) {
  if (inputIsShiftJis || IsAscii(input)) return std::string(input);
  return Utf8ToShiftJis(WithoutByteOrderMark(input));
}

}  // namespace peruka::cli
