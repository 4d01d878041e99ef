// The one crossing between the program's Shift-JIS texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace peruka {

QString ToQString(std::string_view shiftJis);
std::string FromQString(const QString& text);

// A carriage return or a line feed: each starts a new line, and a CR LF pair
// is one break.
inline bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

}  // namespace peruka
