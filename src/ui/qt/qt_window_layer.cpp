#include "ui/qt/qt_window_layer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/event_guard.h"
#include "ui/label.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_quit_on_signal.h"
#include "ui/qt/qt_widget.h"
#include "ui/screen.h"
#include "ui/window_layer.h"

namespace peruka {

namespace {

class WindowStyle final : public QProxyStyle {
 public:
  WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    // A drop-down list opens below the control and shows DropDownCount items.
    if (hint == SH_ComboBox_Popup) return 0;
    // Box buttons carry their text only.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Exceptions that escape an event outside the handlers' own guard still end
// in the error display instead of ending the program.
class GuardedApplication final : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      if (TExceptionSink* sink = ExceptionSink()) sink->HandleException(std::current_exception());
      return false;
    }
  }
};

// Shift+F10 opens the focused control's context menu, as the Menu key does:
// at the caret where the control has one, else at its centre.
class ContextMenuKey final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier || watched != focus) return false;
    const QRect caret = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at = caret.isValid() ? caret.center() : focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at), key->modifiers());
    QCoreApplication::sendEvent(focus, &menu);
    return true;
  }
};

// Labels are read out as static text, with their caption as name.
QAccessibleInterface* LabelAccessibility(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !dynamic_cast<TLabel*>(ControlOfWidget(widget))) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::StaticText);
}

}  // namespace

std::vector<std::string> QtArguments(int argc, const char* const* argv) {
  if (argc < 1 || !argv || !argv[0] || !*argv[0]) return {"peruka"};
  return {argv[0]};
}

bool LoadJapaneseQtTexts(QTranslator& translator) {
  return translator.load(QStringLiteral("qt_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

struct WindowLayer::Native {
  std::vector<std::string> arguments;
  std::vector<char*> argv;
  int argc = 0;
  std::unique_ptr<QApplication> application;
  std::unique_ptr<QTranslator> translator;
  std::unique_ptr<QuitOnSignal> quitOnSignal;
};

WindowLayer::WindowLayer(int argc, const char* const* argv, std::string_view applicationId)
    : native_(std::make_unique<Native>()) {
  native_->arguments = QtArguments(argc, argv);
  for (std::string& argument : native_->arguments) native_->argv.push_back(argument.data());
  native_->argc = static_cast<int>(native_->argv.size());
  native_->argv.push_back(nullptr);
  InstallFontSubstitutions();
  native_->application = std::make_unique<GuardedApplication>(native_->argc, native_->argv.data());
  if (!applicationId.empty())
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(applicationId.data(), static_cast<qsizetype>(applicationId.size())));
  native_->translator = std::make_unique<QTranslator>();
  if (LoadJapaneseQtTexts(*native_->translator)) QApplication::installTranslator(native_->translator.get());
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(new WindowStyle);
  QAccessible::installFactory(LabelAccessibility);
  native_->application->installEventFilter(new ContextMenuKey(native_->application.get()));
  Screen = new TScreen(nullptr);
  QApplication::setFont(DefaultFont());
  Application = new TApplication(nullptr);
  native_->quitOnSignal = std::make_unique<QuitOnSignal>();
}

WindowLayer::~WindowLayer() {
  native_->quitOnSignal.reset();
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
  native_->application.reset();
  native_->translator.reset();
}

}  // namespace peruka
