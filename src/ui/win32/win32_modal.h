// What every modal box of the program does around its loop: it releases
// the mouse, disables the program's other windows while it is up, and gives
// the window that was active back its activation and focus afterwards.
#pragma once

#include <vector>

#include "ui/win32/win32_api.h"

namespace peruka {

class ModalScope {
 public:
  // Remembers the active window and its focus; `box` (may be null) is the
  // window that stays enabled.
  explicit ModalScope(HWND box);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // The window that was active when the box opened, or null.
  HWND Active() const { return active_; }
  // Enables the disabled windows again.
  void EnableOthers();
  // Enables them and makes the remembered window active with its focus
  // where it was; the destructor does it if nobody did.
  void Restore();

 private:
  HWND active_;
  HWND focus_;
  std::vector<HWND> disabled_;
  bool restored_ = false;
};

}  // namespace peruka
