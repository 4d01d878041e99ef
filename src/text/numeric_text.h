#pragma once

#include <string_view>

namespace peruka {

// The character rule for a column value: only "0"-"9", "-" as the first byte
// and at most one ".". The empty text passes (callers decide what it means);
// "-", "." and "-." pass too. Every byte of a double-byte character fails.
bool IsNumericText(std::string_view text);

}  // namespace peruka
