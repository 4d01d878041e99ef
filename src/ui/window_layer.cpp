#include "ui/window_layer.h"

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
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/screen.h"

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
  if (!widget || !dynamic_cast<TLabel*>(TControl::FromWidget(widget))) return nullptr;
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

WindowLayer::WindowLayer(int argc, const char* const* argv) : qtArguments_(QtArguments(argc, argv)) {
  for (std::string& argument : qtArguments_) qtArgv_.push_back(argument.data());
  qtArgc_ = static_cast<int>(qtArgv_.size());
  qtArgv_.push_back(nullptr);
  InstallFontSubstitutions();
  qtApplication_ = std::make_unique<GuardedApplication>(qtArgc_, qtArgv_.data());
  qtTranslator_ = std::make_unique<QTranslator>();
  if (LoadJapaneseQtTexts(*qtTranslator_)) QApplication::installTranslator(qtTranslator_.get());
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(new WindowStyle);
  QAccessible::installFactory(LabelAccessibility);
  qtApplication_->installEventFilter(new ContextMenuKey(qtApplication_.get()));
  Screen = new TScreen(nullptr);
  QApplication::setFont(DefaultFont());
  Application = new TApplication(nullptr);
}

WindowLayer::~WindowLayer() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
  qtApplication_.reset();
  qtTranslator_.reset();
}

}  // namespace peruka
