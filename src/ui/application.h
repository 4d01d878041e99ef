// The application object: title, creation of the main window, the message
// loop, closing, and the error display that catches every exception escaping
// an event.
#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "ui/classes.h"
#include "ui/event_guard.h"
#include "ui/message_loop.h"

namespace peruka {

class Exception;
class TForm;

// The message loop of the forms it owns; while it exists, the newest
// application object is also the sink of the exceptions that escape event
// handlers.
class TApplication : public TComponent, public TMessageLoop, public TExceptionSink {
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Runs the installed initialisation procedure; there is none.
  void Initialize() {}

  // At most 255 bytes are kept.
  std::string Title() const { return title_; }
  void SetTitle(std::string_view title);

  // Creates a form, storing it in `reference` before its constructor runs,
  // so that the creation handler can reach it there. The first form becomes
  // the main form. If construction fails the reference is cleared and the
  // exception goes on.
  template <class T>
  void CreateForm(T*& reference);

  TForm* MainForm() const override { return mainForm_; }
  // Shows the main form and handles messages until the program is told to
  // end. Backend.
  void Run();
  // Asks the message loop to end; the loop (and any modal loop) ends as soon
  // as it sees the request. Backend.
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  bool Running() const { return running_; }

  // The icon of the program's windows, a PNG image. Backend.
  void SetIconPng(std::string_view png);

  // The error display: the message of an exception of the program's family
  // followed by "." in the error box (nothing for EAbort); a generic report
  // for anything else.
  void HandleException(std::exception_ptr error) override;
  void ShowException(const Exception& error);

 private:
  void AddForm(TForm* form);
  // Backend: what the application needs of its platform while it exists
  // (its watch on the settings that change the decimal mark, among them);
  // the mouse released before a box opens.
  struct Native;
  void StartNative();
  void StopNative();
  static void ReleaseMouseCapture();

  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool running_ = false;
  Native* native_ = nullptr;
};

extern TApplication* Application;

// The default title: the program file's name without its folder, cut at its
// first full stop, lower case from the second character on.
std::string DefaultTitle(std::string_view fileName);

template <class T>
void TApplication::CreateForm(T*& reference) {
  void* storage = ::operator new(sizeof(T));
  reference = static_cast<T*>(storage);
  T* form = nullptr;
  try {
    form = new (storage) T(this);
  } catch (...) {
    ::operator delete(storage);
    reference = nullptr;
    throw;
  }
  AddForm(form);
}

}  // namespace peruka
