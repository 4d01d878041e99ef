#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include "ui/message_box.h"
#include "ui/qt/qt_modal_box.h"
#include "ui/qt/qt_text.h"

namespace peruka {

int MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  ModalScope scope;

  QMessageBox box((flags & MB_ICONSTOP) ? QMessageBox::Critical : QMessageBox::NoIcon, ToQString(caption),
                  ToQString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setEscapeButton(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.winId();
  if (scope.Active() && box.windowHandle())
    box.windowHandle()->setTransientParent(scope.Active()->windowHandle());
  ScheduleModalBoxHook(&box);
  box.exec();

  // The windows that were blocked take their input again; the one that was
  // active is active again, with its focus where it was.
  scope.Restore();
  return IDOK;
}

}  // namespace peruka
