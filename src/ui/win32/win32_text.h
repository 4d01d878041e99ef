// The crossing between the program's Shift-JIS texts and the UTF-16 texts of
// the Windows W functions: code page 932 both ways, whatever the system's
// own code page, so the Japanese texts show right on a Windows of any
// language.
#pragma once

#include <string>
#include <string_view>

namespace peruka {

std::wstring ToWide(std::string_view shiftJis);
// A character with no Shift-JIS form becomes "?".
std::string FromWide(std::wstring_view text);

}  // namespace peruka
