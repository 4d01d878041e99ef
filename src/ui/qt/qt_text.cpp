#include "ui/qt/qt_text.h"

#include "text/accelerator.h"
#include "text/shift_jis.h"

namespace peruka {

QString ToQString(std::string_view shiftJis) {
  if (IsAscii(shiftJis)) return QString::fromLatin1(shiftJis.data(), static_cast<qsizetype>(shiftJis.size()));
  return QString::fromStdString(ShiftJisToUtf8(shiftJis));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToShiftJis(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString WithoutAccelerators(const QString& caption) {
  return QString::fromStdU16String(peruka::WithoutAccelerators<char16_t>(Utf16Of(caption)));
}

QString CommandName(const QString& caption) {
  return QString::fromStdU16String(peruka::CommandName<char16_t>(Utf16Of(caption)));
}

}  // namespace peruka
