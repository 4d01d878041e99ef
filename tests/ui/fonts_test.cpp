// "ＭＳ Ｐゴシック" resolves to IPAPGothic, and Japanese glyphs really come from it.
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QProxyStyle>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>

#include "ui/qt/qt_fonts.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

QStringList FamiliesDrawing(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
  return families;
}

TEST(Fonts, TheWindowFontResolvesToIPAPGothic) {
  const QFont font = MakeFont(Sjis("ＭＳ Ｐゴシック"), -12);
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
  for (const char* text :
       {"Ｘの値：", "データ削除", "計算実行", "xとyのデータ数が違うよ(･･､)", "y = (2.5) x^1"}) {
    SCOPED_TRACE(text);
    const QStringList families = FamiliesDrawing(font, QString::fromUtf8(text));
    ASSERT_FALSE(families.isEmpty());
    for (const QString& family : families) EXPECT_EQ(family.toLower(), QStringLiteral("ipapgothic"));
  }
}

TEST(Fonts, IPAPGothicIsProportional) {
  const QFontMetrics metrics(MakeFont(Sjis("ＭＳ Ｐゴシック"), -12));
  EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")));
  EXPECT_EQ(metrics.height(), 13);
  EXPECT_EQ(metrics.ascent(), 11);
}

TEST(Fonts, OneStyleEverywhere) {
  auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->baseStyle()->name(), QStringLiteral("fusion"));
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
}

}  // namespace
}  // namespace peruka::testing
