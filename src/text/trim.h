#pragma once

#include <string>
#include <string_view>

namespace peruka {

// The text without the bytes 0x00 to 0x20 (blanks and control bytes) at its
// ends. Bytes inside, and bytes 0x80 and above (so every Shift-JIS
// double-byte character, the full-width blank among them), are kept.
std::string TrimBlanks(std::string_view text);

// The same, as a view into `text`.
std::string_view TrimmedView(std::string_view text);

}  // namespace peruka
