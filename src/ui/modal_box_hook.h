// The seam through which every modal box can be watched and closed: the
// notice, the error box and the power function's report.
#pragma once

#include <functional>

class QWidget;

namespace peruka {

// Called with each modal box once it is up, from inside its modal loop; the
// hook may inspect the box and close it. Returns the previous hook.
using ModalBoxHook = std::function<void(QWidget* box)>;
ModalBoxHook SetModalBoxHook(ModalBoxHook hook);
// Activates a box that is about to run its modal loop, once it is up, and
// then runs the hook on it.
void ScheduleModalBoxHook(QWidget* box);

}  // namespace peruka
