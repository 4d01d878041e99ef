// The shared main window tests' glue for the Qt backend: Qt's test events,
// the boxes through the layer's box hook.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

class QtWindowDriver final : public WindowDriver {
 public:
  ~QtWindowDriver() override { ResetApplication(); }

  TMainForm& StartMainWindow() override {
    CreateMainWindow().Show();
    QtWidget(MainForm)->activateWindow();
    QApplication::processEvents();
    return *MainForm;
  }

  std::vector<ShownBox> TakeBoxes() override {
    std::vector<ShownBox> boxes;
    for (std::size_t i = taken_; i < watcher_.Seen().size(); ++i) {
      const BoxSeen& seen = watcher_.Seen()[i];
      boxes.push_back({seen.kind == BoxSeen::kNotice ? ShownBox::kNotice : ShownBox::kMessageBox,
                       Sjis(seen.title), Sjis(seen.text), seen.icon == QMessageBox::Critical, seen.buttons});
    }
    taken_ = watcher_.Seen().size();
    return boxes;
  }

  void TypeAndEnter(TMemo& box, std::string_view text) override {
    QTest::keyClicks(QtEdit(&box), ToQString(text));
    QTest::keyClick(QtEdit(&box), Qt::Key_Return);
  }

  void PressEnterInFocus() override {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
  }

  void Click(TButton& button) override { QTest::mouseClick(QtButton(&button), Qt::LeftButton); }
  void PressKeys(TWinControl& control, std::string_view keys) override {
    auto* memo = dynamic_cast<TMemo*>(&control);
    QWidget* target = memo ? QtEdit(memo) : QtWidget(&control);
    target->setFocus();
    const QKeyCombination chord = QKeySequence(QString::fromLatin1(keys.data(), keys.size()))[0];
    QTest::keyClick(target, chord.key(), chord.keyboardModifiers());
  }
  void Choose(TMenuCommand& command) override { QtAction(&command)->trigger(); }
  void ProcessEvents() override { QApplication::processEvents(); }

  const TControl* FocusedControl() const override { return ControlOfWidget(QApplication::focusWidget()); }
  bool IsActive(const TForm& form) const override { return QApplication::activeWindow() == QtWidget(&form); }
  bool IsEnabled(const TForm& form) const override { return QtWidget(&form)->isEnabled(); }

 private:
  BoxWatcher watcher_;
  std::size_t taken_ = 0;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<QtWindowDriver>(); }

}  // namespace peruka::testing
