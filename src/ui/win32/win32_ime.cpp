#include "ui/win32/win32_ime.h"

#include <cstring>

namespace peruka {

namespace {

using EnableImeFunction = BOOL(WINAPI*)(HWND, BOOL);
// HIMC is a handle: a pointer-sized value.
using AssociateContextFunction = void*(WINAPI*)(HWND, void*);

struct ImeFunctions {
  EnableImeFunction enableIme = nullptr;
  AssociateContextFunction associateContext = nullptr;
};

// The address of an exported function as the pointer type it has.
template <class Function>
Function Lookup(HMODULE module, const char* name) {
  if (!module) return nullptr;
  const FARPROC address = ::GetProcAddress(module, name);
  Function function = nullptr;
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
  return function;
}

const ImeFunctions& Functions() {
  static const ImeFunctions functions = [] {
    ImeFunctions found;
    found.enableIme = Lookup<EnableImeFunction>(::GetModuleHandleW(L"user32.dll"), "WINNLSEnableIME");
    found.associateContext =
        Lookup<AssociateContextFunction>(::LoadLibraryW(L"imm32.dll"), "ImmAssociateContext");
    return found;
  }();
  return functions;
}

}  // namespace

void LoadImeFunctions() { Functions(); }

void DisableImeOnFocus(NativeWidget& native) {
  if (native.imeDisabled || !native.window) return;
  const ImeFunctions& ime = Functions();
  if (ime.enableIme) ime.enableIme(native.window, FALSE);
  if (ime.associateContext) native.imeContext = ime.associateContext(native.window, nullptr);
  native.imeDisabled = true;
}

void RestoreImeOnBlur(NativeWidget& native) {
  if (!native.imeDisabled || !native.window) return;
  const ImeFunctions& ime = Functions();
  if (ime.enableIme) ime.enableIme(native.window, TRUE);
  if (ime.associateContext) ime.associateContext(native.window, native.imeContext);
  native.imeContext = nullptr;
  native.imeDisabled = false;
}

}  // namespace peruka
