#include "app/win32/tool_window.h"

#include <utility>

#include "app/win32/dialog_keys.h"
#include "ui/form.h"
#include "ui/form_definition.h"
#include "ui/screen.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_widget.h"

namespace peruka {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

ScreenRect RectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

struct ToolWindowProcedure {
  static LRESULT CALLBACK Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* tool = reinterpret_cast<ToolWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!tool) return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {  // Escape
          ::ShowWindow(window, SW_HIDE);
          return 0;
        }
        break;
      case WM_CLOSE:
        ::ShowWindow(window, SW_HIDE);
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
          HWND focus = ::GetFocus();
          if (focus && ::IsChild(window, focus)) tool->lastFocus_ = focus;
        } else {
          ::SetFocus(tool->lastFocus_ ? tool->lastFocus_ : tool->firstFocus_);
        }
        return 0;
      case WM_NCDESTROY:
        StopRoutingDialogKeys(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        tool->window_ = nullptr;
        return ::DefWindowProcW(window, message, wParam, lParam);
      default:
        break;
    }
    LRESULT result = 0;
    if (tool->HandleMessage(message, wParam, lParam, result)) return result;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
};

ToolWindow::ToolWindow(TForm& owner) : owner_(owner), pixelsPerInch_(Screen ? Screen->PixelsPerInch() : 96) {
  font_ = ::CreateFontW(-MulDiv(9, pixelsPerInch_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, ToWide(kDefaultFontName).c_str());
}

// The window goes first: destroying it still sends it messages.
ToolWindow::~ToolWindow() {
  if (window_) ::DestroyWindow(window_);
  if (font_) ::DeleteObject(font_);
}

bool ToolWindow::CreateToolWindow(const wchar_t* windowClass, const std::wstring& title) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExW(instance, windowClass, &existing)) {
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    registered.lpfnWndProc = ToolWindowProcedure::Run;
    registered.hInstance = instance;
    registered.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    registered.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    registered.lpszClassName = windowClass;
    ::RegisterClassExW(&registered);
  }
  window_ = ::CreateWindowExW(kExStyle, windowClass, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, Win32Window(&owner_), nullptr, instance, this);
  if (!window_) return false;
  // The program's icon resource, in both sizes the title bar and the task switcher use.
  for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int size = ::GetSystemMetrics(metric);
    if (HANDLE icon = ::LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED))
      ::SendMessageW(window_, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
  }
  return true;
}

HWND ToolWindow::AddControl(unsigned long exStyle, const wchar_t* windowClass, const std::wstring& text,
                            unsigned long style, int id) {
  HWND child = ::CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

bool ToolWindow::HandleMessage(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&) { return false; }

bool ToolWindow::WindowShown() const { return window_ && ::IsWindowVisible(window_); }

void ToolWindow::PresentWindow() {
  if (!window_) return;
  ::ShowWindow(window_, ::IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  ::SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(window_);
  ::SetActiveWindow(window_);
}

int ToolWindow::Scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, pixelsPerInch_, 96); }

ScreenSize ToolWindow::FrameSize(int clientWidth, int clientHeight) {
  RECT r{0, 0, clientWidth, clientHeight};
  ::AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void PlaceWindowBeside(HWND window, TForm& owner, const ScreenRect& result, ScreenSize preferred,
                       ScreenSize minimum) {
  HWND main = Win32Window(&owner);
  if (!window || !main) return;
  RECT frame{};
  ::GetWindowRect(main, &frame);
  POINT clientTop{0, 0};
  ::ClientToScreen(main, &clientTop);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  PlacementRequest request;
  request.available = RectOf(monitor.rcWork);
  request.main = RectOf(frame);
  request.titleBar = {frame.left, frame.top, frame.right - frame.left, clientTop.y - frame.top};
  request.result = result;
  request.preferred = preferred;
  request.minimum = minimum;
  const ScreenRect placed = PlaceNextToMainWindow(request);
  ::SetWindowPos(window, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace peruka
