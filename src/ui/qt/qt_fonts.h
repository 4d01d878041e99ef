// The fonts of the window layer: making a font of a Shift-JIS name and a
// pixel height, the layer's default font, and the substitutions that let the
// Japanese font names resolve where those fonts are missing.
#pragma once

#include <QFont>
#include <string_view>

#include "ui/form_definition.h"

namespace peruka {

// The window layer's default font: kDefaultFontName, 9 points at the
// screen's pixels per inch.
QFont DefaultFont();
// The font of a negative (character) or positive (cell) height.
QFont MakeFont(std::string_view shiftJisName, int height);
// The height of the text "0" in the font.
int TextHeightOfZero(const QFont& font);

// Lets "ＭＳ Ｐゴシック" resolve to the metric-compatible IPAPGothic (and
// "ＭＳ ゴシック" to IPAGothic) where it is missing; safe to call more than
// once.
void InstallFontSubstitutions();

}  // namespace peruka
