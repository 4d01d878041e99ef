#include "ui/qt/qt_fonts.h"

#include <QFontMetrics>
#include <QString>

#include "ui/classes.h"
#include "ui/qt/qt_text.h"
#include "ui/screen.h"

namespace peruka {

QFont MakeFont(std::string_view shiftJisName, int height) {
  QFont font(ToQString(shiftJisName));
  // Whole-pixel glyph advances and no kerning, as the platform's text
  // measuring gives them: sizes computed from texts are whole numbers.
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  if (height < 0) {
    font.setPixelSize(-height);
  } else if (height > 0) {
    // A cell height: the largest character height whose cell fits.
    int size = height;
    for (font.setPixelSize(size); size > 1 && QFontMetrics(font).height() > height;
         font.setPixelSize(--size)) {
    }
  }
  return font;
}

// The extent of a text is as high as the font's cell, whatever the text.
int TextHeightOfZero(const QFont& font) { return QFontMetrics(font).height(); }

QFont DefaultFont() {
  const int pixelsPerInch = Screen ? Screen->PixelsPerInch() : 96;
  return MakeFont(kDefaultFontName, -MulDiv(9, pixelsPerInch, 72));
}

void InstallFontSubstitutions() {
  QFont::insertSubstitution(ToQString(kDefaultFontName), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}

}  // namespace peruka
