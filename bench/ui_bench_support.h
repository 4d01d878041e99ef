// What the window benchmarks share: a fresh main window as the program
// creates it.
#pragma once

#include <QApplication>

#include "app/mainunit.h"
#include "ui/application.h"

namespace peruka {

inline TMainForm* NewMainForm() {
  delete Application;
  Application = new TApplication(nullptr);
  Application->SetTitle(kApplicationTitle);
  Application->CreateForm(MainForm);
  MainForm->Show();
  QApplication::processEvents();
  return MainForm;
}

}  // namespace peruka
