// The Windows backend's column box for the shared tests: a multi-line EDIT
// control without word wrap (automatic horizontal scrolling) in a hidden
// window of its own.
#include <windows.h>

#include "edit_control.h"
#include "ui/win32/win32_edit_lines.h"

namespace peruka::testing {
namespace {

class Win32EditControl final : public EditControl {
 public:
  Win32EditControl() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    window_ = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                instance, nullptr);
    edit_ = ::CreateWindowExW(
        0, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0,
        0, 200, 150, window_, nullptr, instance, nullptr);
    // The platform's largest text limit, as MaxLength 0 asks.
    ::SendMessageW(edit_, EM_LIMITTEXT, 0, 0);
    lines_ = std::make_unique<Win32EditLines>(edit_);
  }
  ~Win32EditControl() override { ::DestroyWindow(window_); }

  EditLines& Lines() override { return *lines_; }

 private:
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  std::unique_ptr<Win32EditLines> lines_;
};

}  // namespace

std::unique_ptr<EditControl> MakeEditControl() { return std::make_unique<Win32EditControl>(); }

}  // namespace peruka::testing
