// The window under a long run of random user actions drawn from a table:
// keys (Ctrl+V with an empty and a full clipboard among them), clicks on
// every control, numbers and junk typed, context menus, drops, the graph
// window opened and closed, calculations at random degrees. After each
// action the program is alive, its event loop answers within a bound, and
// the boxes hold exactly what the action put there.
//
// The suite runs a short fixed-seed run; PERUKA_RANDOM_ACTIONS and
// PERUKA_RANDOM_SEED ask for a longer one.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "text/numeric_text.h"
#include "text/trim.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

constexpr int kEventLoopBoundMs = 2000;
constexpr char kJunk[] = "abcxyz-.,;:!#%()=~| ";
constexpr char kFullWidthThree[] = "\x82\x52";  // ３ in Shift-JIS

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// What the boxes must hold: the model each action updates.
struct Boxes {
  std::string data;
  std::string x;
  std::string y;
};

// A box's text after appending a line, as the line list appends it.
std::string Appended(std::string text, const std::string& line) {
  const bool breakAfter = text.empty() || text.ends_with("\r\n");
  if (!breakAfter) text.append("\r\n");
  text.append(line);
  if (breakAfter) text.append("\r\n");
  return text;
}

// Every counted line trimmed, as the calculation leaves the columns.
std::string Trimmed(const std::string& text) {
  std::string result;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    const std::size_t stop = end == std::string::npos ? text.size() : end;
    result += TrimBlanks(std::string_view(text).substr(start, stop - start));
    if (end == std::string::npos) break;
    result += "\r\n";
    start = end + 2;
  }
  return result;
}

// The counted lines: an empty last line does not count.
std::size_t LineCount(const std::string& text) {
  std::size_t breaks = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++breaks;
  return text.empty() || text.ends_with("\r\n") ? breaks : breaks + 1;
}

std::string WithoutLastCharacter(const std::string& text) {
  if (text.ends_with("\r\n") || text.ends_with(kFullWidthThree)) return text.substr(0, text.size() - 2);
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::string CrLf(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

class RandomActionsTest : public MainFormTest {
 protected:
  std::uint32_t Next() {
    // xorshift: the same sequence on every platform and library.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_ >> 11);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

  TMemo* AnyBox() {
    TMemo* boxes[] = {form_->Data, form_->XData, form_->YData};
    return boxes[Below(3)];
  }
  std::string& Model(TMemo* box) {
    return box == form_->Data ? model_.data : box == form_->XData ? model_.x : model_.y;
  }
  std::string Number() {
    std::string text = Below(4) == 0 ? "-" : "";
    text += std::to_string(Below(200));
    if (Below(2)) {
      text += '.';
      text += std::to_string(Below(100));
    }
    return text;
  }
  std::string Junk() {
    std::string text;
    for (int i = 1 + Below(6); i > 0; --i) {
      if (Below(8) == 0)
        text += kFullWidthThree;
      else
        text += kJunk[Below(static_cast<int>(sizeof kJunk - 1))];
    }
    return text;
  }
  // Lines of pairs, sometimes with a line that is not one (nothing is added then).
  std::string Pairs(std::vector<std::string>& xs, std::vector<std::string>& ys, bool& valid) {
    std::string text;
    valid = Below(4) != 0;
    const int bad = valid ? -1 : Below(3);
    for (int i = 0; i < 3; ++i) {
      if (i == bad) {
        text.append(Number()).append("\n");
        continue;
      }
      xs.push_back(Number());
      ys.push_back(Number());
      text.append(xs.back()).append(Below(2) ? "\t" : " ").append(ys.back()).append("\n");
    }
    return text;
  }
  void AppendPairs(const std::vector<std::string>& xs, const std::vector<std::string>& ys) {
    for (const std::string& x : xs) model_.x = Appended(model_.x, x);
    for (const std::string& y : ys) model_.y = Appended(model_.y, y);
  }

  // The main window active again, as a user brings it back.
  void ActivateMain() {
    if (QApplication::activeWindow() == QtWidget(form_)) return;
    QtWidget(form_)->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(QtWidget(form_)));
  }
  // The box focused, its caret at the end.
  QPlainTextEdit* Focus(TMemo* box) {
    ActivateMain();
    QtEdit(box)->setFocus();
    QtEdit(box)->moveCursor(QTextCursor::End);
    return QtEdit(box);
  }
  void TypeInto(TMemo* box, const std::string& sjis) {
    QPlainTextEdit* edit = Focus(box);
    for (const QChar c : QString::fromStdString(Utf8(sjis))) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(edit, c.toLatin1());
      } else {  // a character no key of the test's keyboard has
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
    Model(box) += sjis;
  }
  void SetClipboard(const char* text) {
    auto* data = new QMimeData;
    if (text) data->setText(QString::fromUtf8(text));
    QGuiApplication::clipboard()->setMimeData(data);
  }
  void Drop(QWidget* target, QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
  }

  struct Action {
    const char* name;
    std::function<void()> run;
  };
  std::vector<Action> Table() {
    return {
        {"type a number", [this] { TypeInto(AnyBox(), Number()); }},
        {"type junk", [this] { TypeInto(AnyBox(), Junk()); }},
        {"Enter in a column",
         [this] {
           TMemo* box = Below(2) ? form_->XData : form_->YData;
           QTest::keyClick(Focus(box), Qt::Key_Return);
           Model(box) += "\r\n";
         }},
        {"Enter in the entry box",
         [this] {
           QPlainTextEdit* edit = Focus(form_->Data);
           const std::string entry = form_->Data->Lines()->Get(0);
           const bool toX = form_->NextIsX;
           QTest::keyClick(edit, Qt::Key_Return);
           if (!entry.empty() && IsNumericText(entry)) {
             std::string& column = toX ? model_.x : model_.y;
             column = Appended(column, entry);
           }
           model_.data.clear();
         }},
        {"Backspace",
         [this] {
           TMemo* box = AnyBox();
           QTest::keyClick(Focus(box), Qt::Key_Backspace);
           Model(box) = WithoutLastCharacter(Model(box));
         }},
        {"Ctrl+V, empty clipboard",
         [this] {
           SetClipboard(nullptr);
           QTest::keyClick(Focus(AnyBox()), Qt::Key_V, Qt::ControlModifier);
         }},
        {"Ctrl+V, numbers on the clipboard",
         [this] {
           const std::string text = Number().append("\n").append(Number());
           SetClipboard(text.c_str());
           TMemo* box = AnyBox();
           QTest::keyClick(Focus(box), Qt::Key_V, Qt::ControlModifier);
           Model(box) += CrLf(text);
         }},
        {"Shift+Insert, empty clipboard",
         [this] {
           SetClipboard(nullptr);
           QTest::keyClick(Focus(AnyBox()), Qt::Key_Insert, Qt::ShiftModifier);
         }},
        {"Tab",
         [this] {
           ActivateMain();
           QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : QtWidget(form_);
           QTest::keyClick(focus, Qt::Key_Tab, Below(2) ? Qt::ShiftModifier : Qt::NoModifier);
         }},
        {"click a control",
         [this] {
           ActivateMain();
           QWidget* controls[] = {QtWidget(form_->Label1),
                                  QtWidget(form_->XLabel),
                                  QtWidget(form_->YLabel),
                                  QtWidget(form_->Answer),
                                  QtEdit(form_->Data)->viewport(),
                                  QtEdit(form_->XData)->viewport(),
                                  QtEdit(form_->YData)->viewport(),
                                  QtWidget(form_->Jisuu),
                                  QtWidget(form_)};
           QWidget* target = controls[Below(static_cast<int>(std::size(controls)))];
           QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
         }},
        {"click the clear button",
         [this] {
           ActivateMain();
           ClickClear();
           model_ = Boxes{};
         }},
        {"calculate at a random degree",
         [this] {
           ActivateMain();
           form_->Jisuu->SetItemIndex(Below(20));
           ClickCalc();
           // Trimmed only once both counts agree and are not zero.
           const std::size_t lines = LineCount(model_.x);
           if (lines == 0 || lines != LineCount(model_.y)) return;
           model_.x = Trimmed(model_.x);
           model_.y = Trimmed(model_.y);
         }},
        {"degree by the arrow keys",
         [this] {
           ActivateMain();
           QtWidget(form_->Jisuu)->setFocus();
           QTest::keyClick(QtWidget(form_->Jisuu), Below(2) ? Qt::Key_Down : Qt::Key_Up);
         }},
        {"context menu by Shift+F10, then Escape",
         [this] {
           QTest::keyClick(Focus(AnyBox()), Qt::Key_F10, Qt::ShiftModifier);
           if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, Qt::Key_Escape);
         }},
        {"pairs paste from the menu",
         [this] {
           std::vector<std::string> xs, ys;
           bool valid = false;
           const std::string text = Pairs(xs, ys, valid);
           SetClipboard(text.c_str());
           std::unique_ptr<QMenu> menu(
               CreateContextMenu(*(Below(2) ? form_->XData : form_->YData), QPoint(1, 1)));
           for (QAction* action : menu->actions())
             if (action->text().startsWith(QString::fromUtf8("x と y の組を貼り付け"))) action->trigger();
           if (valid) AppendPairs(xs, ys);
         }},
        {"drop a file of pairs",
         [this] {
           std::vector<std::string> xs, ys;
           bool valid = false;
           const std::string text = Pairs(xs, ys, valid);
           const QString path = dir_.filePath(QStringLiteral("drop.txt"));
           QFile file(path);
           ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
           file.write(text.data(), static_cast<qint64>(text.size()));
           file.close();
           QMimeData data;
           data.setUrls({QUrl::fromLocalFile(path)});
           Drop(Below(2) ? QtWidget(form_) : QtEdit(form_->YData)->viewport(), data);
           if (valid) AppendPairs(xs, ys);
         }},
        {"drop data without text",
         [this] {
           QMimeData data;
           Drop(QtEdit(AnyBox())->viewport(), data);
         }},
        {"Ctrl+G",
         [this] {
           ActivateMain();
           QTest::keyClick(QtWidget(form_), Qt::Key_G, Qt::ControlModifier);
         }},
        {"Escape in the graph window",
         [this] {
           if (GraphWindow* graph = QtGraph(form_); graph && graph->isVisible())
             QTest::keyClick(graph, Qt::Key_Escape);
         }},
    };
  }

  // The event loop runs a posted call within the bound.
  bool EventLoopAnswers() {
    bool answered = false;
    QTimer::singleShot(0, QtWidget(form_), [&] { answered = true; });
    QElapsedTimer clock;
    clock.start();
    while (!answered && clock.elapsed() < kEventLoopBoundMs) QCoreApplication::processEvents();
    return answered;
  }

  std::uint64_t state_ = 0;
  Boxes model_;
  QTemporaryDir dir_;
};

TEST_F(RandomActionsTest, KeepsRunningAndLosesNoTypedText) {
  ASSERT_TRUE(dir_.isValid());
  const std::uint64_t seed = EnvNumber("PERUKA_RANDOM_SEED", 20261208);
  const std::uint64_t count = EnvNumber("PERUKA_RANDOM_ACTIONS", 3000);
  state_ = seed * 0x9E3779B97F4A7C15ull | 1;
  BoxWatcher boxes;  // notices, error boxes and the power function's boxes, closed by OK
  const std::vector<Action> table = Table();
  std::deque<std::string> recent;
  for (std::uint64_t i = 0; i < count; ++i) {
    const Action& action = table[static_cast<std::size_t>(Below(static_cast<int>(table.size())))];
    recent.push_back(action.name);
    if (recent.size() > 8) recent.pop_front();
    action.run();
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    std::ostringstream where;
    where << "seed " << seed << ", action " << i << " (" << action.name << "); the last actions:";
    for (const std::string& name : recent) where << " [" << name << "]";
    ASSERT_TRUE(EventLoopAnswers()) << where.str();
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << where.str();
    ASSERT_EQ(Utf8(form_->Data->Text()), Utf8(model_.data)) << where.str();
    ASSERT_EQ(Utf8(form_->XData->Text()), Utf8(model_.x)) << where.str();
    ASSERT_EQ(Utf8(form_->YData->Text()), Utf8(model_.y)) << where.str();
  }
  std::size_t notices = 0;
  for (const BoxSeen& box : boxes.Seen()) notices += box.kind == BoxSeen::kNotice ? 1 : 0;
  std::cout << "seed " << seed << ": " << count << " actions, " << notices << " notices, "
            << boxes.Seen().size() - notices << " other boxes\n";
}

}  // namespace
}  // namespace peruka::testing
