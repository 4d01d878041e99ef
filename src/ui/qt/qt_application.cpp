#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "numeric/locale_mark.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/qt_modal_box.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

// Watches the application for the settings-change notice and reads the
// decimal mark again.
struct TApplication::Native final : QObject {
  Native() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance())
      LoadLocaleSettings();
    return false;
  }
};

void TApplication::StartNative() { native_ = new Native; }

void TApplication::StopNative() {
  delete native_;
  native_ = nullptr;
}

void TApplication::ReleaseMouseCapture() { CancelMouseCapture(); }

void TApplication::SetIconPng(std::string_view png) { QApplication::setWindowIcon(IconFromPng(png)); }

void TApplication::Run() {
  running_ = true;
  if (mainForm_) {
    mainForm_->Show();
    QtWidget(mainForm_)->activateWindow();
    if (!terminated_) QApplication::exec();
    terminated_ = true;
  }
  running_ = false;
}

void TApplication::Terminate() {
  // Like a posted quit message: the loop, and any modal loop inside it, ends
  // when it comes to this request.
  QMetaObject::invokeMethod(
      native_,
      [this] {
        terminated_ = true;
        QCoreApplication::exit(0);
      },
      Qt::QueuedConnection);
}

}  // namespace peruka
