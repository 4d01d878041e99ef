// The notice box: its layout from the font's average character, its caption,
// and every way of closing it.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>

#include "ui/qt/qt_draw_text.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class NoticeTest : public ::testing::Test {
 protected:
  void SetUp() override { Application->SetTitle(kApplicationTitle); }
};

struct NoticeLayout {
  int clientWidth, clientHeight;
  QRect frame, message, ok;
  QString title;
  QFont font;
};

NoticeLayout ShowAndMeasure(const std::string& utf8) {
  NoticeLayout layout;
  BoxWatcher boxes;
  boxes.OnBox([&](QWidget* box) {
    auto* form = dynamic_cast<TMessageForm*>(ControlOfWidget(box));
    ASSERT_NE(form, nullptr);
    layout.clientWidth = form->ClientWidth();
    layout.clientHeight = form->ClientHeight();
    layout.frame = box->frameGeometry();
    layout.message = QtWidget(form->Message)->geometry();
    layout.ok = QtWidget(form->OK)->geometry();
    layout.title = box->windowTitle();
    layout.font = QtWidget(form->Message)->font();
    EXPECT_EQ(box->focusWidget(), QtWidget(form->OK));
    EXPECT_TRUE(form->OK->Default());
    EXPECT_TRUE(form->OK->Cancel());
  });
  ShowNotice(Sjis(utf8));
  EXPECT_EQ(boxes.Seen().size(), 1u);
  return layout;
}

TEST_F(NoticeTest, LayoutFollowsTheAverageCharacterOfItsFont) {
  const std::string text = "xとyのデータ数が違うよ(･･､)";
  const NoticeLayout layout = ShowAndMeasure(text);
  // 9 points at 96 pixels per inch: IPAPGothic 12 pixels, "A".."z" 368 wide.
  EXPECT_EQ(QFontInfo(layout.font).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(layout.font.pixelSize(), 12);
  const QFontMetrics metrics(layout.font);
  ASSERT_EQ(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
            368);
  // Unit 7 x 13: margins 14 and 13, vertical spacing 16, button 88 x 23.
  const QSize textSize =
      MeasureText(layout.font, QString::fromUtf8(text), TextFormat{true, true}, Screen->Width() / 2);
  EXPECT_EQ(layout.message, QRect(14, 13, textSize.width(), textSize.height()));
  EXPECT_EQ(layout.clientWidth, std::max(textSize.width(), 88) + 28);
  EXPECT_EQ(layout.clientHeight, textSize.height() + 23 + 16 + 26);
  EXPECT_EQ(layout.ok, QRect((layout.clientWidth - 88) / 2, textSize.height() + 13 + 16, 88, 23));
  EXPECT_EQ(layout.title, QString::fromUtf8("ペルカ"));
  // Centred by its outer size, frame included.
  ASSERT_GT(layout.frame.width(), layout.clientWidth);
  EXPECT_EQ(layout.frame.left(), Screen->Width() / 2 - layout.frame.width() / 2);
  EXPECT_EQ(layout.frame.top(), Screen->Height() / 2 - layout.frame.height() / 2);
}

TEST_F(NoticeTest, AShortTextIsAsWideAsTheButtonAndMargins) {
  const NoticeLayout layout = ShowAndMeasure("a");
  EXPECT_EQ(layout.clientWidth, 88 + 28);
  EXPECT_EQ(layout.ok.left(), 14);
}

TEST_F(NoticeTest, ALongTextWrapsAndGrowsInHeightNotWidth) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "データが入力されてないよ ";
  const NoticeLayout layout = ShowAndMeasure(text);
  EXPECT_LE(layout.message.width(), Screen->Width() / 2);
  EXPECT_GT(layout.message.height(), 13 * 3);
  EXPECT_LE(layout.clientWidth, Screen->Width() / 2 + 28);
}

class NoticeCloseTest : public NoticeTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(NoticeCloseTest, EveryWayOfClosingReturnsToTheCaller) {
  BoxWatcher boxes(GetParam());
  ShowNotice(Sjis("数字じゃないデータがあるよ(･･､)"));
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, "数字じゃないデータがあるよ(･･､)");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, NoticeCloseTest,
                         ::testing::Values(CloseBy::kClickOk, CloseBy::kEnter, CloseBy::kEscape,
                                           CloseBy::kSpace, CloseBy::kCloseBox),
                         [](const auto& info) { return Name(info.param); });

struct ModifiedKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
void PrintTo(const ModifiedKey& c, std::ostream* os) { *os << c.name; }

class NoticeModifiedKeyTest : public NoticeTest, public ::testing::WithParamInterface<ModifiedKey> {};

TEST_P(NoticeModifiedKeyTest, EnterOrEscapeWithAModifierLeavesTheNoticeUp) {
  int resultAfterKey = -1;
  BoxWatcher boxes(CloseBy::kEnter);
  TMessageForm form(Application, "x");
  boxes.OnBox([&](QWidget* box) {
    QTest::keyClick(box->focusWidget(), GetParam().key, GetParam().modifiers);
    resultAfterKey = form.ModalResult();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);  // closed by the watcher's plain Enter
  EXPECT_EQ(resultAfterKey, mrNone);
}

INSTANTIATE_TEST_SUITE_P(Keys, NoticeModifiedKeyTest,
                         ::testing::Values(ModifiedKey{"ShiftEnter", Qt::Key_Return, Qt::ShiftModifier},
                                           ModifiedKey{"CtrlEnter", Qt::Key_Return, Qt::ControlModifier},
                                           ModifiedKey{"AltEnter", Qt::Key_Return, Qt::AltModifier},
                                           ModifiedKey{"ShiftKeypadEnter", Qt::Key_Enter,
                                                       Qt::ShiftModifier | Qt::KeypadModifier},
                                           ModifiedKey{"ShiftEscape", Qt::Key_Escape, Qt::ShiftModifier},
                                           ModifiedKey{"CtrlEscape", Qt::Key_Escape, Qt::ControlModifier},
                                           ModifiedKey{"AltEscape", Qt::Key_Escape, Qt::AltModifier}),
                         RowName());

TEST_F(NoticeTest, ModalResultsOfOkAndCloseBox) {
  for (auto [closeBy, result] : {std::pair{CloseBy::kEnter, mrOk}, std::pair{CloseBy::kEscape, mrOk},
                                 std::pair{CloseBy::kCloseBox, mrCancel}}) {
    BoxWatcher boxes(closeBy);
    TMessageForm form(Application, "x");
    EXPECT_EQ(form.ShowModal(), result);
  }
}

}  // namespace
}  // namespace peruka::testing
