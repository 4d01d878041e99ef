// The main window as a person uses it: layout after start-up, the entry box,
// the clear and calculate commands, notices, error boxes and the power
// function's boxes.
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "fit/column.h"
#include "fit/column_check.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

// ---------------------------------------------------------------------------
// Start-up

TEST_F(MainFormTest, TheWindowsShowTheCaptions) {
  EXPECT_EQ(QtWidget(form_)->windowTitle(), QString::fromUtf8("ペルカ"));
  EXPECT_EQ(QtButton(form_->ClearBtn)->text(), QString::fromUtf8("データ削除"));
  EXPECT_EQ(QtCombo(form_->Jisuu)->currentText(), QString::fromUtf8("１次"));
}

TEST_F(MainFormTest, TheWindowIsFixedWithSystemMenuAndMinimiseOnly) {
  const Qt::WindowFlags flags = QtWidget(form_)->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(QtWidget(form_)->minimumSize(), QtWidget(form_)->maximumSize());
  EXPECT_EQ(form_->BorderStyle(), bsSingle);
  EXPECT_FALSE(QtWidget(form_)->windowIcon().isNull());
  EXPECT_EQ(QtWidget(form_)->windowIcon().availableSizes().value(0), QSize(32, 32));
}

// ---------------------------------------------------------------------------
// Keyboard

TEST_F(MainFormTest, FocusStartsInTheEntryBoxAndTabFollowsTheTabOrder) {
  EXPECT_EQ(QApplication::focusWidget(), QtWidget(form_->Data));
  const std::vector<TWinControl*> order = {form_->Jisuu,    form_->YData,   form_->XData,
                                           form_->ClearBtn, form_->CalcBtn, form_->Data};
  for (TWinControl* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), QtWidget(next)) << next->Name();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), QtWidget(form_->CalcBtn));
}

TEST_F(MainFormTest, EnterOnAFocusedButtonClicksItAndSpaceToo) {
  SetColumns("1\n2", "3\n5");
  form_->CalcBtn->SetFocus();
  QTest::keyClick(QtWidget(form_->CalcBtn), Qt::Key_Return);
  EXPECT_EQ(AnswerText(), "y = (2.000000000000000) x^1\n   + (1.000000000000000)");
  form_->ClearBtn->SetFocus();
  QTest::keyClick(QtWidget(form_->ClearBtn), Qt::Key_Space);
  EXPECT_EQ(XText(), "");
}

TEST_F(MainFormTest, EnterInAColumnBreaksTheLineAndNeverClicksAButton) {
  BoxWatcher boxes;
  form_->XData->SetFocus();
  Type("1", QtEdit(form_->XData));
  PressEnter(QtEdit(form_->XData));
  Type("2", QtEdit(form_->XData));
  EXPECT_EQ(XText(), "1\r\n2");
  EXPECT_TRUE(boxes.Seen().empty());
  EXPECT_EQ(AnswerText(), "");
}

// ---------------------------------------------------------------------------
// The entry box

TEST_F(MainFormTest, TheNextEntryIsVisibleAfterEnter) {
  // The entry box is lower than one line with its margins: after an Enter
  // and the clearing, what is typed next must still be in view.
  Enter("12");
  Type("3");
  QPlainTextEdit* edit = QtEdit(form_->Data);
  EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
  const QRect caret = edit->cursorRect();
  EXPECT_GE(caret.top(), 0);
  EXPECT_LE(caret.top(), edit->viewport()->height() / 2);
}

struct EntryCase {
  const char* name;
  const char* typed;
  bool accepted;
};
void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << Quoted(c.typed) << (c.accepted ? " is taken" : " is dropped");
}

class EntryBoxTest : public MainFormTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryBoxTest, AcceptsWhatTheRulePassesAndDropsTheRestSilently) {
  BoxWatcher boxes;
  const EntryCase& c = GetParam();
  Enter(QString::fromUtf8(c.typed));
  EXPECT_EQ(DataText(), "");
  EXPECT_TRUE(boxes.Seen().empty());
  if (c.accepted) {
    EXPECT_EQ(XText(), std::string(c.typed) + "\r\n");
    EXPECT_EQ(Prompt(), "Ｙの値：");
  } else {
    EXPECT_EQ(XText(), "");
    EXPECT_EQ(Prompt(), "Ｘの値：");
    EXPECT_TRUE(form_->NextIsX);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryBoxTest,
    ::testing::Values(EntryCase{"Integer", "12", true}, EntryCase{"NegativeDecimal", "-3.25", true},
                      EntryCase{"LeadingPoint", ".5", true}, EntryCase{"TrailingPoint", "5.", true},
                      EntryCase{"LoneMinus", "-", true}, EntryCase{"LonePoint", ".", true},
                      EntryCase{"MinusPoint", "-.", true}, EntryCase{"Empty", "", false},
                      EntryCase{"Letters", "abc", false}, EntryCase{"LeadingBlank", " 5", false},
                      EntryCase{"TwoPoints", "1.2.3", false}, EntryCase{"InnerMinus", "1-2", false},
                      EntryCase{"Plus", "+1", false}, EntryCase{"Exponent", "1e5", false},
                      EntryCase{"Comma", "1,5", false}),
    RowName());

TEST_F(MainFormTest, EnterWithTheCaretAtTheStartTakesNothingAndClearsTheEntry) {
  Type("123");
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_Home);
  PressEnter();
  EXPECT_EQ(XText(), "");
  EXPECT_EQ(DataText(), "");
  EXPECT_EQ(Prompt(), "Ｘの値：");
}

TEST_F(MainFormTest, APastedTextGivesItsFirstLineOnly) {
  QtEdit(form_->Data)->insertPlainText(QStringLiteral("7\n8\n9"));
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_Home);
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_End, Qt::ControlModifier);
  PressEnter();
  EXPECT_EQ(XText(), "7\r\n");
  EXPECT_EQ(DataText(), "");
}

TEST_F(MainFormTest, EnterCountsWithAnyModifierAndOnTheKeypad) {
  Type("1");
  PressEnter(nullptr, Qt::ShiftModifier);
  Type("2");
  PressEnter(nullptr, Qt::ControlModifier);
  Type("3");
  PressEnter(nullptr, Qt::AltModifier);
  Type("4");
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(XText(), "1\r\n3\r\n");
  EXPECT_EQ(YText(), "2\r\n4\r\n");
}

TEST_F(MainFormTest, OtherKeysDoNothingButEdit) {
  Type("12");
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_Left);
  QTest::keyClick(QtEdit(form_->Data), Qt::Key_Escape);
  EXPECT_EQ(DataText(), "12");
  EXPECT_EQ(XText(), "");
}

TEST_F(MainFormTest, HoldingEnterRaisesOneReleaseEvent) {
  Type("5");
  QWidget* edit = QtEdit(form_->Data);
  QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_Return, '\r', Qt::NoModifier);
  // Auto-repeat arrives as release and press pairs marked as repeats.
  for (int i = 0; i < 2; ++i) {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(edit, &release);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(edit, &press);
  }
  EXPECT_EQ(DataText(), "5\r\n\r\n\r\n");
  EXPECT_EQ(XText(), "");
  QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_Return, '\r', Qt::NoModifier);
  EXPECT_EQ(XText(), "5\r\n");
  EXPECT_EQ(DataText(), "");
}

TEST_F(MainFormTest, AWrappedLongEntryGivesItsFirstDisplayedLine) {
  const QString digits = QStringLiteral("1234567890123456789012345678901234567890");
  Type(digits);
  // The box is too narrow for 40 digits: the first block wraps.
  QTextBlock block = QtEdit(form_->Data)->document()->firstBlock();
  QtEdit(form_->Data)->document()->documentLayout()->blockBoundingRect(block);
  ASSERT_GT(block.layout()->lineCount(), 1);
  const int firstLine = block.layout()->lineAt(0).textLength();
  ASSERT_GT(firstLine, 0);
  ASSERT_LT(firstLine, digits.size());
  EXPECT_EQ(form_->Data->Lines()->Count(), block.layout()->lineCount());
  PressEnter();
  EXPECT_EQ(XText(), digits.left(firstLine).toStdString() + "\r\n");
  EXPECT_EQ(DataText(), "");
}

TEST_F(MainFormTest, AWrappedEntryThatFailsTheRuleOnlyInItsSecondLineIsTaken) {
  // Only the first displayed line is tested against the rule.
  const QString first = QStringLiteral("123456789012345678901234567890");
  Type(first + QStringLiteral("abc"));
  QTextBlock block = QtEdit(form_->Data)->document()->firstBlock();
  QtEdit(form_->Data)->document()->documentLayout()->blockBoundingRect(block);
  const int firstLine = block.layout()->lineAt(0).textLength();
  ASSERT_LT(firstLine, 30);
  PressEnter();
  EXPECT_EQ(XText(), first.left(firstLine).toStdString() + "\r\n");
}

TEST_F(MainFormTest, TextCommittedByAnInputMethodStillFollowsTheRules) {
  // The boxes switch the input method off; should a platform still commit
  // text, a line break in it is an Enter like any other.
  QInputMethodEvent preedit(QStringLiteral("abc"), {});
  QApplication::sendEvent(QtEdit(form_->Data), &preedit);
  EXPECT_EQ(DataText(), "");  // no composition is shown
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("42\n"));
  QApplication::sendEvent(QtEdit(form_->Data), &commit);
  EXPECT_EQ(XText(), "42\r\n");
  EXPECT_EQ(DataText(), "");
  QInputMethodEvent wide;
  wide.setCommitString(QString::fromUtf8("４２\n"));
  QApplication::sendEvent(QtEdit(form_->Data), &wide);
  EXPECT_EQ(YText(), "");  // full-width digits fail the rule
  EXPECT_EQ(DataText(), "");
}

TEST_F(MainFormTest, TheInputMethodIsOffInTheThreeBoxes) {
  for (TMemo* memo : {form_->Data, form_->XData, form_->YData}) {
    SCOPED_TRACE(memo->Name());
    EXPECT_EQ(memo->ImeMode(), imDisable);
    memo->SetFocus();
    EXPECT_FALSE(QtEdit(memo)->inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_FALSE(QtEdit(memo)->testAttribute(Qt::WA_InputMethodEnabled));
  }
}

// ---------------------------------------------------------------------------
// Boxes (the columns, results and boxes of each command are in
// tests/ui_rules/main_window_test.cpp, alike on every backend)

TEST_F(MainFormTest, ABoxBlocksTheMainWindowWhileItIsUp) {
  BoxWatcher boxes;
  bool modal = false;
  boxes.OnBox([&](QWidget* box) {
    modal = QApplication::activeModalWidget() == box && box->isModal();
    // A click on the main window's clear button, as the window system
    // delivers it, does nothing while the box is up.
    QWidget* button = QtWidget(form_->ClearBtn);
    QTest::mouseClick(QtWidget(form_)->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(QtWidget(form_), button->rect().center()));
  });
  SetColumns("1", "");
  ClickCalc();
  EXPECT_TRUE(modal);
  EXPECT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(XText(), "1");
  // Afterwards the same click reaches the button.
  QWidget* button = QtWidget(form_->ClearBtn);
  QTest::mouseClick(QtWidget(form_)->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    button->mapTo(QtWidget(form_), button->rect().center()));
  EXPECT_EQ(XText(), "");
}

// ---------------------------------------------------------------------------
// Accessibility

TEST_F(MainFormTest, EveryControlHasAnAccessibleName) {
  EXPECT_EQ(QtWidget(form_->XData)->accessibleName(), QString::fromUtf8("Ｘの値："));
  EXPECT_EQ(QtWidget(form_->YData)->accessibleName(), QString::fromUtf8("Ｙの値："));
  EXPECT_EQ(QtWidget(form_->Data)->accessibleName(), QString::fromUtf8("Ｘの値："));
  EXPECT_EQ(QtWidget(form_->Jisuu)->accessibleName(), QString::fromUtf8("次数"));
  EXPECT_EQ(QtWidget(form_->CalcBtn)->accessibleName(), QString::fromUtf8("計算実行"));
  EXPECT_EQ(QtWidget(form_->ClearBtn)->accessibleName(), QString::fromUtf8("データ削除"));
  EXPECT_EQ(QtWidget(form_->Answer)->accessibleName(), QString::fromUtf8("計算結果"));
  EXPECT_EQ(QtWidget(form_->XLabel)->accessibleName(), QString::fromUtf8("Ｘの値："));
  // The entry box is named after the column its next value goes to.
  Enter("1");
  EXPECT_EQ(QtWidget(form_->Data)->accessibleName(), QString::fromUtf8("Ｙの値："));
  SetColumns("1\n2", "3\n5");
  BoxWatcher boxes;
  ClickCalc();
  ASSERT_NE(AnswerText(), "");
  EXPECT_EQ(QtWidget(form_->Answer)->accessibleName().toStdString(), AnswerText());
  // Screen readers see the two columns apart, and labels as static text.
  QAccessibleInterface* x = QAccessible::queryAccessibleInterface(QtWidget(form_->XData));
  QAccessibleInterface* y = QAccessible::queryAccessibleInterface(QtWidget(form_->YData));
  ASSERT_NE(x, nullptr);
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(x->text(QAccessible::Name), QString::fromUtf8("Ｘの値："));
  EXPECT_EQ(y->text(QAccessible::Name), QString::fromUtf8("Ｙの値："));
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(QtWidget(form_->XLabel));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->role(), QAccessible::StaticText);
  EXPECT_EQ(label->text(QAccessible::Name), QString::fromUtf8("Ｘの値："));
}

}  // namespace
}  // namespace peruka::testing
