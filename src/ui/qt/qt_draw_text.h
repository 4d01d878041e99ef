// Text measuring and drawing over Qt by the flags of ui/text_format.h.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include "ui/text_format.h"

namespace peruka {

// The size the text takes: the widest line and the number of lines times the
// line height. With wordBreak, lines are broken to fit `width`.
QSize MeasureText(const QFont& font, const QString& text, const TextFormat& format, int width);

// Draws the text into `rect` the way MeasureText measures it.
void DrawText(QPainter& painter, const QRect& rect, const QString& text, const TextFormat& format);

}  // namespace peruka
