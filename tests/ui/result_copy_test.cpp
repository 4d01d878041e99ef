// Copying the result: the label's context menu item, the window's shortcut,
// and the tool tip of a result wider than the window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "text/shift_jis.h"
#include "ui/clipboard.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

const QString kUntouched = QStringLiteral("untouched");

// y = x^2 + 1 at four points away from 0 (no power-function boxes).
constexpr const char* kDegreeTwoCopy =
    "y = (1.000000000000000) x^2\n"
    "   + (0.000000000000000) x^1\n"
    "   + (1.000000000000000)\n";

enum class CopyBy { kMenu, kShortcut };

struct CopyCase {
  const char* name;
  CopyBy by;
};
void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }

class ResultCopyTest : public MainFormTest, public ::testing::WithParamInterface<CopyCase> {
 protected:
  void Copy() {
    if (GetParam().by == CopyBy::kMenu) {
      QAction* action = QtAction(form_->Answer->CopyCommand());
      ASSERT_NE(action, nullptr);
      ASSERT_TRUE(QtWidget(form_->Answer)->actions().contains(action));
      action->trigger();
    } else {
      QTest::keyClick(QtWidget(form_), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
  }
};

TEST_P(ResultCopyTest, CopiesTheResultWithLinesEndedByLineFeeds) {
  BoxWatcher boxes;
  SetColumns("1\n2\n3\n4", "2\n5\n10\n17");
  form_->Jisuu->SetItemIndex(1);
  ClickCalc();
  ASSERT_TRUE(boxes.Seen().empty());
  EXPECT_TRUE(QtAction(form_->Answer->CopyCommand())->isEnabled());
  QGuiApplication::clipboard()->setText(kUntouched);
  Copy();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), kDegreeTwoCopy);
  EXPECT_EQ(AnswerText() + "\n", kDegreeTwoCopy);
}

TEST_P(ResultCopyTest, CopiesNothingWhileTheResultIsEmpty) {
  ASSERT_EQ(AnswerText(), "");
  EXPECT_FALSE(QtAction(form_->Answer->CopyCommand())->isEnabled());
  QGuiApplication::clipboard()->setText(kUntouched);
  Copy();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), kUntouched);
}

INSTANTIATE_TEST_SUITE_P(Commands, ResultCopyTest,
                         ::testing::Values(CopyCase{"Menu", CopyBy::kMenu},
                                           CopyCase{"Shortcut", CopyBy::kShortcut}),
                         RowName());

TEST_F(MainFormTest, TheCopyItemIsInTheResultLabelsContextMenu) {
  QWidget* label = QtWidget(form_->Answer);
  EXPECT_EQ(label->contextMenuPolicy(), Qt::ActionsContextMenu);
  ASSERT_EQ(label->actions().size(), 1);
  EXPECT_EQ(label->actions().first()->text(), QString::fromUtf8("コピー(&C)"));
}

TEST_F(MainFormTest, TheCopyShortcutLeavesTheBoxesAndTheirOwnCopyAlone) {
  BoxWatcher boxes;
  SetColumns("1\n2", "3\n5");
  ClickCalc();
  Type("12");
  QGuiApplication::clipboard()->setText(kUntouched);
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(DataText(), "12");
  EXPECT_EQ(XText(), "1\r\n2");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("y = (2.000000000000000) x^1\n   + (1.000000000000000)\n"));
  // Ctrl+C in a column still copies its selection.
  form_->XData->SetFocus();
  QTest::keyClick(QtEdit(form_->XData), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(QtEdit(form_->XData), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\n2"));
  EXPECT_EQ(XText(), "1\r\n2");
  EXPECT_TRUE(boxes.Seen().empty());
}

struct HintCase {
  const char* name;
  const char* x;
  const char* y;
  bool cut;
};
void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }

class ResultHintTest : public MainFormTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(ResultHintTest, ShowsTheWholeResultOnlyWhenTheWindowCutsIt) {
  const HintCase& c = GetParam();
  BoxWatcher boxes;
  EXPECT_EQ(QtWidget(form_->Answer)->toolTip(), QString());
  SetColumns(QString::fromUtf8(c.x), QString::fromUtf8(c.y));
  ClickCalc();
  ASSERT_TRUE(boxes.Seen().empty());
  ASSERT_NE(AnswerText(), "");
  EXPECT_EQ(form_->Answer->Left() + form_->Answer->Width() > form_->ClientWidth(), c.cut);
  EXPECT_EQ(QtWidget(form_->Answer)->toolTip().toStdString(), c.cut ? AnswerText() : "");
}

INSTANTIATE_TEST_SUITE_P(Results, ResultHintTest,
                         ::testing::Values(HintCase{"Narrow", "1\n2", "3\n5", false},
                                           HintCase{"Wide", "1\n2", "-100000000000000\n-300000000000000",
                                                    true}),
                         RowName());

struct ClipboardTextCase {
  const char* name;
  const char* caption;
  const char* copied;
};
void PrintTo(const ClipboardTextCase& c, std::ostream* os) {
  *os << Quoted(c.caption) << " -> " << Quoted(c.copied);
}

class ClipboardTextTest : public ::testing::TestWithParam<ClipboardTextCase> {};

TEST_P(ClipboardTextTest, EndsEveryLineByALineFeedWithNoTrailingBlank) {
  const ClipboardTextCase& c = GetParam();
  EXPECT_EQ(ShiftJisToUtf8(ClipboardTextOf(Utf8ToShiftJis(c.caption))), c.copied);
}

INSTANTIATE_TEST_SUITE_P(Captions, ClipboardTextTest,
                         ::testing::Values(ClipboardTextCase{"Empty", "", ""},
                                           ClipboardTextCase{"Blanks", " \t\n \r\n", ""},
                                           ClipboardTextCase{"OneLine", "y = 1", "y = 1\n"},
                                           ClipboardTextCase{"CrLfAndCr", "a\r\nb\rc", "a\nb\nc\n"},
                                           ClipboardTextCase{"TrailingBlanks", "a  \nb\t\n\n\n", "a\nb\n"},
                                           ClipboardTextCase{"InnerEmptyLine", "a\n\nb", "a\n\nb\n"}),
                         RowName());

}  // namespace
}  // namespace peruka::testing
