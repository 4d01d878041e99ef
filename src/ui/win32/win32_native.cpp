#include "ui/win32/win32_native.h"

#include <map>

#include "ui/event_guard.h"
#include "ui/form.h"

namespace peruka {

namespace {

constexpr wchar_t kControlProperty[] = L"PerukaControl";
constexpr wchar_t kHelperClass[] = L"PerukaHelper";
// Control ids below this are the system's own (IDOK, IDCANCEL, ...).
constexpr UINT kFirstControlId = 1000;

std::map<UINT, NativeWidget*>& NativesById() {
  static std::map<UINT, NativeWidget*> natives;
  return natives;
}

UINT NextControlId() {
  static UINT next = kFirstControlId;
  return next++;
}

}  // namespace

TControl* ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  return static_cast<TControl*>(::GetPropW(window, kControlProperty));
}

TForm* FormOfWindow(HWND window) { return dynamic_cast<TForm*>(ControlOfWindow(window)); }

TForm* FormContaining(HWND window) { return window ? FormOfWindow(::GetAncestor(window, GA_ROOT)) : nullptr; }

HWND ChildOfForm(HWND form, HWND window) {
  while (window && window != form) {
    const HWND parent = ::GetParent(window);
    if (parent == form) return window;
    if (!(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    window = parent;
  }
  return nullptr;
}

NativeWidget* NativeOfId(UINT id) {
  const auto it = NativesById().find(id);
  return it == NativesById().end() ? nullptr : it->second;
}

void AttachWindow(NativeWidget& native) {
  if (native.window && native.control) ::SetPropW(native.window, kControlProperty, native.control);
}

void DetachWindow(NativeWidget& native) {
  if (native.window) ::RemovePropW(native.window, kControlProperty);
  if (native.id != 0) NativesById().erase(native.id);
}

HFONT FontOf(const NativeWidget* native) {
  for (; native; native = native->parent)
    if (native->font) return native->font;
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HWND CreateChildWindow(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, NativeWidget& native) {
  const HWND parent = native.parent && native.parent->window ? native.parent->window : HelperWindow();
  if (native.id != 0) NativesById().erase(native.id);
  native.id = NextControlId();
  // Known by its id before it exists: a combo box asks for its item
  // heights while it is being made.
  NativesById()[native.id] = &native;
  const HWND window = ::CreateWindowExW(extendedStyle, windowClass, L"", style | WS_CHILD, 0, 0, 0, 0, parent,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(native.id)),
                                        ::GetModuleHandleW(nullptr), nullptr);
  if (window) ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(native.parent)), FALSE);
  return window;
}

HWND HelperWindow() {
  static HWND helper = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHelperClass;
    ::RegisterClassExW(&windowClass);
    return ::CreateWindowExW(0, kHelperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
  }();
  return helper;
}

Bounds ChildBounds(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

ScreenTextContext::ScreenTextContext(HFONT font)
    : dc_(::GetDC(nullptr)), previous_(::SelectObject(dc_, font)) {}

ScreenTextContext::~ScreenTextContext() {
  ::SelectObject(dc_, previous_);
  ::ReleaseDC(nullptr, dc_);
}

LRESULT GuardedWindowProc(const std::function<LRESULT()>& work) {
  try {
    return work();
  } catch (...) {
    if (TExceptionSink* sink = ExceptionSink()) sink->HandleException(std::current_exception());
    return 0;
  }
}

HWND__* Win32Window(const TControl* control) {
  if (!control || !control->Native()) return nullptr;
  const NativeWidget* native = control->Native();
  if (native->window) return native->window;
  return native->parent ? native->parent->window : nullptr;
}

}  // namespace peruka
