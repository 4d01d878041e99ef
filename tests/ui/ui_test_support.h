// Helpers for the window tests: watching modal boxes, texts in UTF-8, and a
// freshly created main window.
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/mainunit.h"
#include "app/qt/graph_window.h"
#include "ui/application.h"
#include "ui/message_form.h"
#include "ui/qt/qt_modal_box.h"
#include "ui/qt/qt_widget.h"
#include "ui/screen.h"

namespace peruka::testing {

// The Qt objects behind controls the tests hold by unique_ptr.
template <class T>
QWidget* QtWidget(const std::unique_ptr<T>& control) {
  return peruka::QtWidget(control.get());
}
template <class T>
auto QtEdit(const std::unique_ptr<T>& memo) {
  return peruka::QtEdit(memo.get());
}
template <class T>
auto QtCombo(const std::unique_ptr<T>& combo) {
  return peruka::QtCombo(combo.get());
}
template <class T>
auto QtButton(const std::unique_ptr<T>& button) {
  return peruka::QtButton(button.get());
}

// The main window's graph window, once opened.
inline GraphWindow* QtGraph(const TMainForm* form) { return dynamic_cast<GraphWindow*>(form->Graph()); }

// UTF-8 in, Shift-JIS out, and back: the tests write their texts in UTF-8.
std::string Sjis(std::string_view utf8);
std::string Utf8(std::string_view sjis);

// What a modal box showed.
struct BoxSeen {
  enum Kind { kMessageBox, kNotice, kColumnChoice } kind;
  std::string title;  // UTF-8
  std::string text;   // UTF-8
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool mainWindowBlocked = false;
};

// How a watched box is closed.
enum class CloseBy { kClickOk, kEnter, kEscape, kCloseBox, kSpace };
// "ClickOk", "Enter", ...: for test names and messages.
std::string Name(CloseBy closeBy);
void PrintTo(CloseBy closeBy, std::ostream* os);

// For the tables of parametrised tests: a text as a quoted literal with its
// control characters escaped, cut after `limit` bytes (for PrintTo), and the
// name generator of tables whose rows carry a `name`.
std::string Quoted(std::string_view text, std::size_t limit = 64);
struct RowName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

// Records every modal box while it lives and closes it, by default by
// clicking its OK button. An extra check can look at the box first.
class BoxWatcher {
 public:
  explicit BoxWatcher(CloseBy closeBy = CloseBy::kClickOk);
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  const std::vector<BoxSeen>& Seen() const { return seen_; }
  std::vector<std::string> Texts() const;
  void SetCloseBy(CloseBy closeBy) { closeBy_ = closeBy; }
  void OnBox(std::function<void(QWidget*)> check) { check_ = std::move(check); }

 private:
  void Handle(QWidget* box);

  CloseBy closeBy_;
  std::vector<BoxSeen> seen_;
  std::function<void(QWidget*)> check_;
  ModalBoxHook previous_;
};

// A shown form of its own holding one memo laid out as a column box: no
// word wrap, both scroll bars.
struct ColumnMemo {
  std::unique_ptr<TForm> form;
  TMemo* memo = nullptr;
};
ColumnMemo MakeColumnMemo();

// A fresh application object with the main window created and shown, as the
// entry point does it (without running the loop: the test drives events). A
// modal box that no BoxWatcher expects fails the test, with its title and
// text, and is closed.
class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Types the text into the focused entry box through key events.
  void Type(const QString& text, QWidget* target = nullptr);
  // Enter in a widget: press and release of the Return key.
  void PressEnter(QWidget* target = nullptr, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Enters one value through the entry box: the text, then Enter.
  void Enter(const QString& text);
  void ClickCalc();
  void ClickClear();
  // The columns' whole texts, CR LF separated, in UTF-8.
  std::string XText() const;
  std::string YText() const;
  std::string DataText() const;
  std::string Prompt() const;
  std::string AnswerText() const;
  // Sets a column's text (UTF-8, "\n" for line breaks).
  void SetColumns(const QString& x, const QString& y);

  TMainForm* form_ = nullptr;

 private:
  ModalBoxHook previousHook_;
};

}  // namespace peruka::testing
