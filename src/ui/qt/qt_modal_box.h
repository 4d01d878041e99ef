// What every modal box does (the notice, the error box and the power
// function's report): it cancels any mouse capture, remembers the active
// window and gives it back when it closes, and it can be watched and closed
// through a hook.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace peruka {

// Releases the mouse from the widget that has captured it, if any.
void CancelMouseCapture();

// Opened before a modal box is shown: cancels the mouse capture and
// remembers the active window with its focus. Restore makes that window
// active again, with its focus where it was. When no window is active
// because an earlier box of the same event has just given the keyboard
// back, the scope takes the window that box gave it back to.
class ModalScope {
 public:
  ModalScope();
  // The window that was active, or null.
  QWidget* Active() const { return active_; }
  void Restore();

 private:
  QPointer<QWidget> active_;
  QPointer<QWidget> focus_;
};

// Called with each modal box once it is up, from inside its modal loop; the
// hook may inspect the box and close it. Returns the previous hook.
using ModalBoxHook = std::function<void(QWidget* box)>;
ModalBoxHook SetModalBoxHook(ModalBoxHook hook);
// Activates a box that is about to run its modal loop, once it is up, and
// then runs the hook on it.
void ScheduleModalBoxHook(QWidget* box);

}  // namespace peruka
