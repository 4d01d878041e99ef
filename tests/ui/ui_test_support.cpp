#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/column_choice_form.h"
#include "text/shift_jis.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka::testing {

std::string Sjis(std::string_view utf8) { return Utf8ToShiftJis(utf8); }
std::string Utf8(std::string_view sjis) { return ShiftJisToUtf8(sjis); }

std::string Name(CloseBy closeBy) {
  switch (closeBy) {
    case CloseBy::kClickOk:
      return "ClickOk";
    case CloseBy::kEnter:
      return "Enter";
    case CloseBy::kEscape:
      return "Escape";
    case CloseBy::kCloseBox:
      return "CloseBox";
    case CloseBy::kSpace:
      return "Space";
  }
  return "Unknown";
}

void PrintTo(CloseBy closeBy, std::ostream* os) { *os << Name(closeBy); }

std::string Quoted(std::string_view text, std::size_t limit) {
  std::size_t shown = std::min(text.size(), limit);
  // Not inside a UTF-8 sequence.
  while (shown < text.size() && shown > 0 && (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80)
    --shown;
  std::string quoted = "\"";
  for (char c : text.substr(0, shown)) {
    switch (c) {
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '"':
      case '\\':
        quoted += '\\';
        quoted += c;
        break;
      default:
        quoted += c;
    }
  }
  quoted += '"';
  if (shown < text.size()) quoted += "... (" + std::to_string(text.size()) + " bytes)";
  return quoted;
}

BoxWatcher::BoxWatcher(CloseBy closeBy) : closeBy_(closeBy) {
  previous_ = SetModalBoxHook([this](QWidget* box) { Handle(box); });
}

BoxWatcher::~BoxWatcher() { SetModalBoxHook(previous_); }

std::vector<std::string> BoxWatcher::Texts() const {
  std::vector<std::string> texts;
  for (const BoxSeen& box : seen_) texts.push_back(box.text);
  return texts;
}

namespace {

// What a modal box shows, and its OK button.
BoxSeen Describe(QWidget* box, QAbstractButton** ok) {
  BoxSeen seen{BoxSeen::kMessageBox, box->windowTitle().toStdString(), "", QMessageBox::NoIcon, 0, false};
  *ok = nullptr;
  if (auto* messageBox = qobject_cast<QMessageBox*>(box)) {
    seen.text = messageBox->text().toStdString();
    seen.icon = messageBox->icon();
    seen.buttons = static_cast<int>(messageBox->buttons().size());
    *ok = messageBox->button(QMessageBox::Ok);
  } else if (auto* choice = dynamic_cast<TColumnChoiceForm*>(ControlOfWidget(box))) {
    seen.kind = BoxSeen::kColumnChoice;
    seen.text = Utf8(choice->Message->Caption());
    *ok = QtButton(choice->OK);
    seen.buttons = static_cast<int>(box->findChildren<QPushButton*>().size());
  } else {
    seen.kind = BoxSeen::kNotice;
    auto* form = dynamic_cast<TMessageForm*>(ControlOfWidget(box));
    EXPECT_NE(form, nullptr) << "a modal box that is neither a message box nor a notice";
    if (form) {
      seen.text = Utf8(form->Message->Caption());
      *ok = QtButton(form->OK);
    }
    seen.buttons = static_cast<int>(box->findChildren<QPushButton*>().size());
  }
  return seen;
}

}  // namespace

void BoxWatcher::Handle(QWidget* box) {
  QAbstractButton* ok = nullptr;
  BoxSeen seen = Describe(box, &ok);
  if (MainForm && QtWidget(MainForm))
    seen.mainWindowBlocked = QtWidget(MainForm)->isEnabled() && QApplication::activeModalWidget() == box;
  seen_.push_back(seen);
  if (check_) check_(box);
  QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
  switch (closeBy_) {
    case CloseBy::kClickOk:
      ASSERT_NE(ok, nullptr);
      QTest::mouseClick(ok, Qt::LeftButton);
      break;
    case CloseBy::kEnter:
      QTest::keyClick(focus, Qt::Key_Return);
      break;
    case CloseBy::kEscape:
      QTest::keyClick(focus, Qt::Key_Escape);
      break;
    case CloseBy::kSpace:
      QTest::keyClick(focus, Qt::Key_Space);
      break;
    case CloseBy::kCloseBox:
      box->close();
      break;
  }
}

ColumnMemo MakeColumnMemo() {
  ColumnMemo column{std::make_unique<TForm>(Application), nullptr};
  column.form->SetClientWidth(400);
  column.form->SetClientHeight(300);
  column.memo = new TMemo(column.form.get());
  column.memo->SetBounds(0, 0, 200, 150);
  column.memo->SetWordWrap(false);
  column.memo->SetScrollBars(ssBoth);
  column.form->Show();
  return column;
}

void MainFormTest::SetUp() {
  // A box that no BoxWatcher expects fails the test and is closed, so that
  // the test ends instead of waiting on the box.
  previousHook_ = SetModalBoxHook([](QWidget* box) {
    QAbstractButton* ok = nullptr;
    const BoxSeen seen = Describe(box, &ok);
    ADD_FAILURE() << "an unexpected modal box \"" << seen.title << "\": " << seen.text;
    box->close();
  });
  delete Application;
  Application = new TApplication(nullptr);
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  Application->CreateForm(MainForm);
  form_ = MainForm;
  ASSERT_NE(form_, nullptr);
  form_->Show();
  QtWidget(form_)->activateWindow();
  QApplication::processEvents();
}

void MainFormTest::TearDown() {
  delete Application;
  Application = new TApplication(nullptr);
  MainForm = nullptr;
  form_ = nullptr;
  SetModalBoxHook(std::move(previousHook_));
}

void MainFormTest::Type(const QString& text, QWidget* target) {
  QTest::keyClicks(target ? target : QtEdit(form_->Data), text);
}

void MainFormTest::PressEnter(QWidget* target, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(target ? target : QtEdit(form_->Data), Qt::Key_Return, modifiers);
}

void MainFormTest::Enter(const QString& text) {
  Type(text);
  PressEnter();
}

void MainFormTest::ClickCalc() { QTest::mouseClick(QtButton(form_->CalcBtn), Qt::LeftButton); }
void MainFormTest::ClickClear() { QTest::mouseClick(QtButton(form_->ClearBtn), Qt::LeftButton); }

std::string MainFormTest::XText() const { return Utf8(form_->XData->Text()); }
std::string MainFormTest::YText() const { return Utf8(form_->YData->Text()); }
std::string MainFormTest::DataText() const { return Utf8(form_->Data->Text()); }
std::string MainFormTest::Prompt() const { return Utf8(form_->Label1->Caption()); }
std::string MainFormTest::AnswerText() const { return Utf8(form_->Answer->Caption()); }

void MainFormTest::SetColumns(const QString& x, const QString& y) {
  form_->XData->SetText(FromQString(x));
  form_->YData->SetText(FromQString(y));
}

}  // namespace peruka::testing
