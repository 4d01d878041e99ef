#include "numeric/locale_mark.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_icon.h"
#include "ui/win32/win32_message_pump.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

constexpr wchar_t kApplicationClass[] = L"PerukaApplication";

// The application's hidden top-level window hears the system's broadcasts
// (a hidden window gets them as a visible one does); the main form stands
// for the program on the task bar.
LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedWindowProc([&]() -> LRESULT {
    switch (message) {
      case WM_SETTINGCHANGE:
        // The decimal mark may have changed with the regional settings.
        LoadLocaleSettings();
        return 0;
      case WM_ENDSESSION:
        if (wParam && Application) Application->Terminate();
        return 0;
      default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
  });
}

HWND CreateApplicationWindow(const std::string& title) {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kApplicationClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) return nullptr;
  return ::CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, ToWide(title).c_str(), WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

struct TApplication::Native {
  HWND window = nullptr;
};

void TApplication::StartNative() {
  native_ = new Native;
  native_->window = CreateApplicationWindow(title_);
}

void TApplication::StopNative() {
  if (native_ && native_->window) ::DestroyWindow(native_->window);
  delete native_;
  native_ = nullptr;
  SetApplicationIcon(nullptr);
}

void TApplication::ReleaseMouseCapture() { ::ReleaseCapture(); }

void TApplication::SetIconPng(std::string_view png) {
  const HICON icon = IconFromPng(png);
  if (!icon) return;
  SetApplicationIcon(icon);
  // The forms made before take it too.
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* form = dynamic_cast<TForm*>(Components(i))) {
      ::SendMessageW(form->Native()->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      ::SendMessageW(form->Native()->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
  }
}

void TApplication::Run() {
  running_ = true;
  if (mainForm_) {
    mainForm_->Show();
    MSG message;
    // GetMessage waits: the loop never spins while the program is idle.
    while (!terminated_) {
      const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
      if (got == 0 || got == -1) break;
      HandleMessage(message);
    }
    terminated_ = true;
  }
  running_ = false;
}

void TApplication::Terminate() {
  // The quit message ends the loop, and any modal loop inside it, when it
  // comes to it.
  ::PostQuitMessage(0);
}

}  // namespace peruka
