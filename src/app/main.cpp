// The entry point: starts the window layer, creates the main window and runs
// the message loop until the window is closed.
#include <QGuiApplication>
#include <QString>

#include "app/mainunit.h"
#include "app/quit_on_signal.h"
#include "app/window_icon.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/locale_mark.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/window_layer.h"
#include "version.h"

int main(int argc, char** argv) {
  using namespace peruka;
  EnsureExtendedPrecision();
  LoadLocaleSettings();
  InstallRuntimeMessageBox();
  WindowLayer windowLayer(argc, argv);
  // The desktop shell matches the window to its entry and icon by this name.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(kApplicationId.data(), kApplicationId.size()));
  const QuitOnSignal quitOnSignal;
  try {
    Application->Initialize();
    Application->SetIcon(IconFromPng(WindowIconPng()));
    Application->SetTitle(kApplicationTitle);
    Application->CreateForm(MainForm);
    Application->Run();
  } catch (const Exception& error) {
    MessageBox(error.Message() + ".", Application->Title(), MB_OK | MB_ICONSTOP);
  }
  return 0;
}
