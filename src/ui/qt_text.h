// The one crossing between the program's Shift-JIS texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace peruka {

QString ToQString(std::string_view shiftJis);
std::string FromQString(const QString& text);

}  // namespace peruka
