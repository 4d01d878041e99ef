// The clipboard as plain text: what the program puts on it and how a text
// taken from it splits into lines.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace peruka {

// A caption as it goes to the clipboard: every line ended by LF (CR LF and
// a lone CR count as one break), blanks at the ends of lines and empty lines
// at the end dropped. Empty when nothing but blanks is left.
QString ClipboardTextOf(const QString& caption);

// Puts the text on the system clipboard; nothing happens for an empty text.
// True when something was put there.
bool PutOnClipboard(const QString& text);

// The clipboard's plain text, empty when it holds none.
QString ClipboardText();
// The same as the program's Shift-JIS text.
std::string ClipboardTextSjis();

// The lines of a text by the window's rule (see text/lines.h).
QStringList LinesOf(const QString& text);

}  // namespace peruka
