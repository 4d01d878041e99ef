#include "ui/qt/qt_modal_box.h"

#include <QApplication>
#include <QTimer>

namespace peruka {

namespace {

ModalBoxHook& Hook() {
  static ModalBoxHook hook;
  return hook;
}

// The window the last box gave the keyboard back to, with its focus, until
// the event that showed the box is over. A second box of the same event
// opens before that window's activation has arrived (where no window
// manager hands the keyboard over, always), and finds no active window.
struct Returned {
  QPointer<QWidget> window;
  QPointer<QWidget> focus;
};

Returned& LastReturned() {
  static Returned returned;
  return returned;
}

}  // namespace

void CancelMouseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

ModalScope::ModalScope() {
  CancelMouseCapture();
  active_ = QApplication::activeWindow();
  focus_ = active_ ? active_->focusWidget() : nullptr;
  if (!active_) {
    active_ = LastReturned().window;
    focus_ = LastReturned().focus;
  }
}

void ModalScope::Restore() {
  if (!active_) return;
  active_->activateWindow();
  if (focus_) focus_->setFocus(Qt::ActiveWindowFocusReason);
  // Remembered for the next box of the same event; forgotten once the
  // event loop runs again.
  LastReturned() = {active_, focus_};
  QTimer::singleShot(0, [] { LastReturned() = {}; });
}

ModalBoxHook SetModalBoxHook(ModalBoxHook hook) {
  ModalBoxHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

void ScheduleModalBoxHook(QWidget* box) {
  ModalBoxHook hook = Hook();
  QPointer<QWidget> target = box;
  QTimer::singleShot(0, box, [hook, target] {
    if (!target) return;
    // The box takes the keyboard, also where no window manager hands it over.
    target->raise();
    target->activateWindow();
    if (hook) hook(target);
  });
}

}  // namespace peruka
