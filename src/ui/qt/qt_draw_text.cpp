#include "ui/qt/qt_draw_text.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <vector>

#include "text/accelerator.h"
#include "text/lines.h"
#include "ui/qt/qt_text.h"

namespace peruka {

namespace {

// One line of the caption as drawn: the "&" marks removed, with the position
// of the underlined character (or -1).
struct SourceLine {
  QString text;
  int underline = -1;
};

std::vector<SourceLine> SplitLines(const QString& text, bool prefix) {
  std::vector<SourceLine> lines;
  ForEachTextLine(Utf16Of(text), [&](std::u16string_view source) {
    SourceLine& line = lines.emplace_back();
    if (!prefix) {
      line.text = QString::fromStdU16String(std::u16string(source));
      return true;
    }
    std::vector<std::size_t> marks;
    line.text = QString::fromStdU16String(WithoutAccelerators<char16_t>(source, &marks));
    if (!marks.empty()) line.underline = static_cast<int>(marks.back());
    return true;
  });
  // An empty text is one empty line.
  if (lines.empty()) lines.emplace_back();
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
      if (format.alignment == taRightJustify) x = rect.right() + 1 - lineWidth;
      if (format.alignment == taCenter) x = rect.left() + (rect.width() - lineWidth) / 2;
      line.setPosition(QPointF(x - rect.left(), y - rect.top()));
      y += lineHeight;
    }
    layout.draw(&painter, rect.topLeft());
    if (count == 0) y += lineHeight;
  }
}

}  // namespace peruka
