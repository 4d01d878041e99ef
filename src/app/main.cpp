// The entry point: starts the window layer, creates the main window and runs
// the message loop until the window is closed.
#include "app/mainunit.h"
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
  WindowLayer windowLayer(argc, argv, kApplicationId);
  try {
    Application->Initialize();
    Application->SetIconPng(WindowIconPng());
    Application->SetTitle(kApplicationTitle);
    Application->CreateForm(MainForm);
    Application->Run();
  } catch (const Exception& error) {
    MessageBox(error.Message() + ".", Application->Title(), MB_OK | MB_ICONSTOP);
  }
  return 0;
}
