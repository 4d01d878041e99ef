#include <cstring>
#include <string>

#include "ui/application.h"
#include "ui/screen.h"
#include "ui/win32/win32_ime.h"
#include "ui/win32/win32_native.h"
#include "ui/window_layer.h"

namespace peruka {

namespace {

template <class Function>
Function Lookup(const wchar_t* module, const char* name) {
  const HMODULE handle = ::GetModuleHandleW(module);
  const FARPROC address = handle ? ::GetProcAddress(handle, name) : nullptr;
  Function function = nullptr;
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
  return function;
}

// Window sizes in real pixels on a screen of any pixels per inch: the
// program scales its windows itself. Looked up by name, so that the program
// also starts on systems without the call.
void MakeProcessDpiAware() {
  using SetDpiAware = BOOL(WINAPI*)();
  if (const auto setDpiAware = Lookup<SetDpiAware>(L"user32.dll", "SetProcessDPIAware")) setDpiAware();
}

// The task bar groups the program's windows under its id, where the system
// knows such ids.
void SetApplicationId(std::string_view id) {
  if (id.empty()) return;
  using SetAppId = HRESULT(WINAPI*)(const wchar_t*);
  const auto setAppId = Lookup<SetAppId>(L"shell32.dll", "SetCurrentProcessExplicitAppUserModelID");
  if (!setAppId) return;
  const std::wstring wide(id.begin(), id.end());
  setAppId(wide.c_str());
}

}  // namespace

struct WindowLayer::Native {};

WindowLayer::WindowLayer(int, const char* const*, std::string_view applicationId)
    : native_(std::make_unique<Native>()) {
  MakeProcessDpiAware();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES;  // the tool tips among them
  ::InitCommonControlsEx(&controls);
  SetApplicationId(applicationId);
  LoadImeFunctions();
  HelperWindow();
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
}

WindowLayer::~WindowLayer() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
}

}  // namespace peruka
