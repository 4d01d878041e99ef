// The push button, over its backend's button window.
#pragma once

#include <string>
#include <string_view>

#include "ui/control.h"

namespace peruka {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);  // backend

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);  // backend
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // Enter clicks a default button, Escape a cancel button (see TForm).
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);  // backend
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  TNotifyEvent OnClick;

  // A press: copies the modal result to the container, then raises OnClick.
  void Click();

 private:
  std::string caption_;
  int modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace peruka
