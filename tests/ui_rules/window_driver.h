// The main window of the backend under test, driven as a person drives it,
// for the tests that every backend must pass alike: each backend's test glue
// defines MakeWindowDriver (the Qt one in tests/ui, the Windows one here).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/mainunit.h"
#include "ui/application.h"

namespace peruka::testing {

// A modal box as it was shown; texts in Shift-JIS.
struct ShownBox {
  enum Kind { kMessageBox, kNotice } kind = kMessageBox;
  std::string title;
  std::string text;
  bool stopIcon = false;
  int buttons = 0;
};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;
  // A fresh application object with the main window created, shown and
  // active, as the entry point makes it (the test drives the events).
  virtual TMainForm& StartMainWindow() = 0;
  // Every modal box is recorded and closed by its OK button as it opens.
  // The boxes since the last call, oldest first.
  virtual std::vector<ShownBox> TakeBoxes() = 0;
  // Types the Shift-JIS text into the box by key events, then presses and
  // releases Enter there.
  virtual void TypeAndEnter(TMemo& box, std::string_view text) = 0;
  // Presses and releases Enter in the control that has the focus.
  virtual void PressEnterInFocus() = 0;
  // A click of the left mouse button on the button.
  virtual void Click(TButton& button) = 0;
  // Presses and releases the keys (portable text such as "Ctrl+D") in the
  // control, with the focus there.
  virtual void PressKeys(TWinControl& control, std::string_view keys) = 0;
  // Chooses the command as from its control's context menu.
  virtual void Choose(TMenuCommand& command) = 0;
  // Lets the events that are due run.
  virtual void ProcessEvents() = 0;
  // The control that has the keyboard focus, and whether the form is the
  // active window and takes input.
  virtual const TControl* FocusedControl() const = 0;
  virtual bool IsActive(const TForm& form) const = 0;
  virtual bool IsEnabled(const TForm& form) const = 0;
};

std::unique_ptr<WindowDriver> MakeWindowDriver();

// What every driver does to start and to end: a fresh application object
// with the main window created as the entry point creates it (not yet
// shown), and the application object of the layer back as it was.
inline TMainForm& CreateMainWindow() {
  delete Application;
  Application = new TApplication(nullptr);
  Application->Initialize();
  Application->SetTitle(kApplicationTitle);
  Application->CreateForm(MainForm);
  return *MainForm;
}
inline void ResetApplication() {
  delete Application;
  Application = new TApplication(nullptr);
  MainForm = nullptr;
}

}  // namespace peruka::testing
