#include "ui/modal_box.h"

#include <QApplication>
#include <QTimer>

namespace peruka {

namespace {

ModalBoxHook& Hook() {
  static ModalBoxHook hook;
  return hook;
}

}  // namespace

void CancelMouseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

ModalScope::ModalScope() {
  CancelMouseCapture();
  active_ = QApplication::activeWindow();
  focus_ = active_ ? active_->focusWidget() : nullptr;
}

void ModalScope::Restore() {
  if (!active_) return;
  active_->activateWindow();
  if (focus_) focus_->setFocus(Qt::ActiveWindowFocusReason);
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
