// Text measuring and drawing with the rules of the labels and the notice box:
// a line feed, a carriage return or a CR LF pair starts a new line, tabs are
// expanded to every eighth average character width, "&" marks the next
// character as an accelerator ("&&" is one "&"), and, with word breaking,
// lines are broken at word boundaries (or between Japanese characters) to
// fit a width. Every line is as high as the font (ascent + descent).
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

namespace peruka {

struct TextFormat {
  bool wordBreak = false;
  bool prefix = true;  // "&" is an accelerator mark
  Qt::Alignment alignment = Qt::AlignLeft;
};

// The size the text takes: the widest line and the number of lines times the
// line height. With wordBreak, lines are broken to fit `width`.
QSize MeasureText(const QFont& font, const QString& text, const TextFormat& format, int width);

// Draws the text into `rect` the way MeasureText measures it.
void DrawText(QPainter& painter, const QRect& rect, const QString& text, const TextFormat& format);

}  // namespace peruka
