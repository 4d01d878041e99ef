#include "ui/modal_box_hook.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace peruka {

namespace {

ModalBoxHook& Hook() {
  static ModalBoxHook hook;
  return hook;
}

}  // namespace

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
