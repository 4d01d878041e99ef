#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

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
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i].unicode())) continue;
    lines.append(text.mid(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start));
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
