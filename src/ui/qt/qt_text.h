// The one crossing between the program's Shift-JIS texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace peruka {

QString ToQString(std::string_view shiftJis);
std::string FromQString(const QString& text);

// A Qt string as the UTF-16 code units the text rules take.
inline std::u16string_view Utf16Of(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The text rules of text/ for Qt strings (see text/accelerator.h).
QString WithoutAccelerators(const QString& caption);
QString CommandName(const QString& caption);

}  // namespace peruka
