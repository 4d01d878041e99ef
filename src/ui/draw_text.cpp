#include "ui/draw_text.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/qt_text.h"

namespace peruka {

namespace {

// One line of the caption as drawn: the "&" marks removed, with the position
// of the underlined character (or -1).
struct SourceLine {
  QString text;
  int underline = -1;
};

// The accelerator rule: "&&" is one "&"; any other "&" is dropped and, when
// a character follows it, marks that character (its position in the result
// goes to `marks`).
QString StripAccelerators(const QString& text, std::vector<qsizetype>* marks) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      result += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == u'&') {
      result += u'&';
      ++i;
    } else if (i + 1 < text.size() && marks) {
      marks->push_back(result.size());
    }
  }
  return result;
}

std::vector<SourceLine> SplitLines(const QString& text, bool prefix) {
  std::vector<SourceLine> lines;
  qsizetype start = 0;
  const auto addLine = [&](qsizetype end) {
    SourceLine& line = lines.emplace_back();
    const QString source = text.mid(start, end - start);
    if (!prefix) {
      line.text = source;
      return;
    }
    std::vector<qsizetype> marks;
    line.text = StripAccelerators(source, &marks);
    if (!marks.empty()) line.underline = static_cast<int>(marks.back());
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i].unicode())) continue;
    addLine(i);
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  addLine(text.size());
  // A break at the very end does not open another line.
  if (lines.size() > 1 && lines.back().text.isEmpty()) lines.pop_back();
  return lines;
}

QTextOption MakeOption(const QFont& font, bool wordBreak) {
  QTextOption option;
  option.setWrapMode(wordBreak ? QTextOption::WordWrap : QTextOption::NoWrap);
  option.setTabStopDistance(8.0 * QFontMetrics(font).averageCharWidth());
  return option;
}

// Lays out one source line into `layout`; returns the number of lines.
int LayOut(QTextLayout& layout, const QTextOption& option, qreal width) {
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  layout.beginLayout();
  int count = 0;
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    if (option.wrapMode() != QTextOption::NoWrap) line.setLineWidth(width);
    ++count;
  }
  layout.endLayout();
  return count;
}

}  // namespace

QString WithoutAccelerators(const QString& text) { return StripAccelerators(text, nullptr); }

QSize MeasureText(const QFont& font, const QString& text, const TextFormat& format, int width) {
  const QFontMetrics metrics(font);
  const QTextOption option = MakeOption(font, format.wordBreak);
  int widest = 0;
  int lines = 0;
  for (const SourceLine& source : SplitLines(text, format.prefix)) {
    QTextLayout layout(source.text, font);
    const int count = LayOut(layout, option, width);
    // The sum of the advances, as the platform measures a text extent; the
    // overhang of a last glyph does not count.
    for (int i = 0; i < count; ++i)
      widest = std::max(widest, static_cast<int>(std::ceil(layout.lineAt(i).horizontalAdvance())));
    lines += std::max(count, 1);
  }
  return QSize(widest, lines * metrics.height());
}

void DrawText(QPainter& painter, const QRect& rect, const QString& text, const TextFormat& format) {
  const QFont font = painter.font();
  const QFontMetrics metrics(font);
  const QTextOption option = MakeOption(font, format.wordBreak);
  const int lineHeight = metrics.height();
  int y = rect.top();
  for (const SourceLine& source : SplitLines(text, format.prefix)) {
    QTextLayout layout(source.text, font);
    if (source.underline >= 0) {
      QTextLayout::FormatRange range;
      range.start = source.underline;
      range.length = 1;
      range.format.setFontUnderline(true);
      layout.setFormats({range});
    }
    const int count = LayOut(layout, option, rect.width());
    for (int i = 0; i < count; ++i) {
      QTextLine line = layout.lineAt(i);
      const int lineWidth = static_cast<int>(std::ceil(line.horizontalAdvance()));
      int x = rect.left();
      if (format.alignment & Qt::AlignRight) x = rect.right() + 1 - lineWidth;
      if (format.alignment & Qt::AlignHCenter) x = rect.left() + (rect.width() - lineWidth) / 2;
      line.setPosition(QPointF(x - rect.left(), y - rect.top()));
      y += lineHeight;
    }
    layout.draw(&painter, rect.topLeft());
    if (count == 0) y += lineHeight;
  }
}

}  // namespace peruka
