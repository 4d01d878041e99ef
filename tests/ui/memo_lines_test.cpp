// The Qt memo's own side of the line list: reading every line at once, the
// caret, undo, switching word wrap, the displayed lines of a wrapping memo
// and the key events. What every backend must do alike is in tests/ui_rules.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "numeric/exceptions.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class MemoTest : public ::testing::Test {
 protected:
  TMemoStrings& Lines() { return *memo_->Lines(); }

  ColumnMemo column_ = MakeColumnMemo();
  TMemo* memo_ = column_.memo;
};

// Reading every line at once gives what reading them one by one gives.
struct AllLinesCase {
  const char* name;
  QString text;
  bool wordWrap;
};
void PrintTo(const AllLinesCase& c, std::ostream* os) { *os << c.name; }

class MemoAllLinesTest : public MemoTest, public ::testing::WithParamInterface<AllLinesCase> {};

TEST_P(MemoAllLinesTest, GetAllEqualsEveryGet) {
  const AllLinesCase& c = GetParam();
  memo_->SetWordWrap(c.wordWrap);
  QtEdit(memo_)->setPlainText(c.text);
  if (c.text.startsWith(u'+')) Lines().Add("appended");  // an edit still pending
  std::vector<std::string> expected;
  for (int i = 0; i < Lines().Count(); ++i) expected.push_back(Lines().Get(i));
  EXPECT_EQ(Lines().GetAll(), expected);
}

const QString kLong = QString(3000, u'7') + u' ' + QString(2000, u'8');

INSTANTIATE_TEST_SUITE_P(
    Boxes, MemoAllLinesTest,
    ::testing::Values(AllLinesCase{"Empty", "", false}, AllLinesCase{"EmptyWrapped", "", true},
                      AllLinesCase{"TrailingEmptyLine", "1\n\n", false},
                      AllLinesCase{"TrailingEmptyLineWrapped", "1\n\n", true},
                      AllLinesCase{"CarriageReturnInside", "1\r2\n3", false},
                      AllLinesCase{"LineSeparatorInside", QString::fromUtf8("1\u20282\n3"), true},
                      AllLinesCase{"Wrapped", "12 34 56 78 90 12 34 56 78 90 12 34 56 78 90 12 34 56\nab",
                                   true},
                      AllLinesCase{"Long", kLong + u'\n' + kLong, false},
                      AllLinesCase{"LongWrapped", kLong + u'\n' + kLong, true},
                      AllLinesCase{"NotShiftJis", QString::fromUtf8("€ 😀\n１２\nx"), false},
                      AllLinesCase{"NotShiftJisWrapped", QString::fromUtf8("€ 😀 ") + kLong, true},
                      AllLinesCase{"PendingEdit", "+1\n2", false},
                      AllLinesCase{"PendingEditWrapped", "+1\n2", true}),
    RowName());

TEST_F(MemoTest, AppendLeavesTheCaretAfterTheNewText) {
  memo_->SetText("1\r\n");
  Lines().Add("22");
  // Caret and scrolling follow before the next event is handled.
  QApplication::processEvents();
  EXPECT_EQ(QtEdit(memo_)->textCursor().position(), 5);  // "1", break, "22", break
}

TEST_F(MemoTest, ProgramEditsCannotBeUndone) {
  memo_->SetText("1");
  Lines().Add("2");
  QtEdit(memo_)->undo();
  EXPECT_EQ(memo_->Text(), "1\r\n2");
}

// The Shift-JIS text is shown as its characters (the line list's side is in
// tests/ui_rules, for every backend).
TEST_F(MemoTest, JapaneseTextShowsAsItsCharacters) {
  memo_->SetText(Sjis("Ｘの値：\r\n１２"));
  EXPECT_EQ(QtEdit(memo_)->toPlainText(), QString::fromUtf8("Ｘの値：\n１２"));
}

TEST_F(MemoTest, SwitchingWordWrapOrScrollBarsKeepsTheText) {
  memo_->SetText("12 34\r\n5");
  memo_->SetWordWrap(true);
  memo_->SetScrollBars(ssNone);
  EXPECT_EQ(memo_->Text(), "12 34\r\n5");
  memo_->SetScrollBars(ssVertical);
  memo_->SetWordWrap(false);
  EXPECT_EQ(memo_->Text(), "12 34\r\n5");
  EXPECT_EQ(QtEdit(memo_)->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(QtEdit(memo_)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(QtEdit(memo_)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(MemoTest, AWrappingMemoCountsDisplayedLines) {
  memo_->SetWordWrap(true);
  memo_->SetScrollBars(ssNone);
  const std::string longWord(200, '5');
  memo_->SetText(longWord + "\r\nab");
  QTextBlock block = QtEdit(memo_)->document()->firstBlock();
  QtEdit(memo_)->document()->documentLayout()->blockBoundingRect(block);
  const int displayed = block.layout()->lineCount();
  ASSERT_GT(displayed, 1);
  EXPECT_EQ(Lines().Count(), displayed + 1);
  const int first = block.layout()->lineAt(0).textLength();
  EXPECT_EQ(Lines().Get(0), longWord.substr(0, static_cast<std::size_t>(first)));
  EXPECT_EQ(Lines().Get(displayed), "ab");
  // Replacing a displayed line replaces that part only.
  Lines().Put(0, "x");
  EXPECT_EQ(memo_->Text().substr(0, 2), "x5");
}

TEST_F(MemoTest, KeyReleaseComesAfterTheTextChanged) {
  std::vector<std::pair<Word, std::string>> events;
  memo_->OnKeyUp = [&](TObject* sender, Word& key, TShiftState) {
    EXPECT_EQ(sender, memo_);
    events.emplace_back(key, memo_->Text());
  };
  memo_->SetFocus();
  QTest::keyClick(QtEdit(memo_), Qt::Key_1);
  QTest::keyClick(QtEdit(memo_), Qt::Key_Return);
  QTest::keyClick(QtEdit(memo_), 'A', Qt::ShiftModifier);
  // Shift+A: the release of A, then that of Shift.
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0], std::make_pair(Word{'1'}, std::string("1")));
  EXPECT_EQ(events[1], std::make_pair(Word{13}, std::string("1\r\n")));
  EXPECT_EQ(events[2], std::make_pair(Word{'A'}, std::string("1\r\nA")));
  EXPECT_EQ(events[3], std::make_pair(Word{0x10}, std::string("1\r\nA")));
}

TEST_F(MemoTest, AnExceptionInTheKeyHandlerIsShownAndTheMemoGoesOn) {
  BoxWatcher boxes;
  memo_->OnKeyUp = [](TObject*, Word&, TShiftState) { throw EConvertError(Sjis("だめ")); };
  QTest::keyClick(QtEdit(memo_), Qt::Key_1);
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].text, "だめ.");
  QTest::keyClick(QtEdit(memo_), Qt::Key_2);
  EXPECT_EQ(memo_->Text(), "12");
}

}  // namespace
}  // namespace peruka::testing
