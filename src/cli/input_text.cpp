#include "cli/input_text.h"

#include "text/shift_jis.h"

namespace peruka::cli {

namespace {
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

std::string ToColumnText(std::string_view input, bool inputIsShiftJis) {
  if (inputIsShiftJis || IsAscii(input)) return std::string(input);
  if (input.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    input.remove_prefix(kUtf8ByteOrderMark.size());
  return Utf8ToShiftJis(input);
}

}  // namespace peruka::cli
