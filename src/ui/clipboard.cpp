#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "text/lines.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString WithoutTrailingBlanks(const QString& line) {
  qsizetype end = line.size();
  while (end > 0 && IsBlank(line[end - 1])) --end;
  return line.left(end);
}

}  // namespace

QStringList LinesOf(const QString& text) {
  QStringList lines;
  ForEachTextLine(Utf16Of(text), [&](std::u16string_view line) {
    lines.append(QString::fromStdU16String(std::u16string(line)));
    return true;
  });
  return lines;
}

QString ClipboardTextOf(const QString& caption) {
  QStringList lines = LinesOf(caption);
  for (QString& line : lines) line = WithoutTrailingBlanks(line);
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  QString text;
  for (const QString& line : lines) text += line + u'\n';
  return text;
}

bool PutOnClipboard(const QString& text) {
  if (text.isEmpty()) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(text);
  return true;
}

QString ClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text() : QString();
}

std::string ClipboardTextSjis() { return FromQString(ClipboardText()); }

}  // namespace peruka
