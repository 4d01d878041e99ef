#include "ui/win32/win32_form_window.h"

#include "numeric/exceptions.h"
#include "ui/button.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/win32/win32_combo_parts.h"
#include "ui/win32/win32_file_drop.h"
#include "ui/win32/win32_label_parts.h"

namespace peruka {

namespace {

constexpr wchar_t kFormClass[] = L"PerukaForm";

// The first control of the form in tab order that can take the focus.
HWND FirstTabStop(HWND form) {
  for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
  }
  return nullptr;
}

// Activation gives the focus back to the control that had it when the form
// was last deactivated (or was given it meanwhile), else to the first
// control in tab order. False when there is none.
bool FocusOnActivation(NativeWidget& native) {
  HWND target = native.focusOnActivate;
  if (!target || !::IsWindow(target) || !::IsChild(native.window, target) || !::IsWindowEnabled(target) ||
      !::IsWindowVisible(target))
    target = FirstTabStop(native.window);
  if (!target) return false;
  ::SetFocus(target);
  return true;
}

void NotifyCommand(HWND child, WORD code) {
  if (code == CBN_DROPDOWN) {
    ListOpening(child);
    return;
  }
  if (code != BN_CLICKED) return;
  if (auto* button = dynamic_cast<TButton*>(ControlOfWindow(child)))
    DispatchEvent([button] { button->Click(); });
}

bool HandleFormMessage(TForm& form, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
  NativeWidget& native = *form.Native();
  result = 0;
  switch (message) {
    case WM_CLOSE:
      // The form decides: the main form ends the program, a modal form
      // ends its modal loop, any other form is hidden.
      DispatchEvent([&form] { form.Close(); });
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = ::BeginPaint(window, &paint);
      PaintLabels(form, dc, paint.rcPaint);
      ::EndPaint(window, &paint);
      return true;
    }
    case WM_COMMAND:
      if (lParam != 0) NotifyCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return true;
    case WM_MEASUREITEM:
      result = TRUE;
      return MeasureListItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
      result = TRUE;
      return DrawListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CONTEXTMENU: {
      POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1) return false;
      POINT client = screen;
      ::ScreenToClient(window, &client);
      return ShowLabelMenu(form, client, screen);
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (const HWND focus = ::GetFocus(); focus && ::IsChild(window, focus))
          native.focusOnActivate = focus;
        return false;
      }
      return !HIWORD(wParam) && FocusOnActivation(native);
    case WM_SIZE:
      LabelsParentResized(form);
      return false;
    case WM_DROPFILES:
      HandleDroppedFiles(native, reinterpret_cast<HDROP>(wParam));
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TForm* form = FormOfWindow(window);
  if (!form) return ::DefWindowProcW(window, message, wParam, lParam);
  return GuardedWindowProc([&]() -> LRESULT {
    LRESULT result = 0;
    if (HandleFormMessage(*form, window, message, wParam, lParam, result)) return result;
    return ::DefWindowProcW(window, message, wParam, lParam);
  });
}

void RegisterFormClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FormWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kFormClass;
    // The program's icon resource, where the executable has one.
    windowClass.hIcon = ::LoadIconW(windowClass.hInstance, L"MAINICON");
    if (!windowClass.hIcon) windowClass.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) {
    // ｳｨﾝﾄﾞｳｸﾗｽの作成でｴﾗｰが発生しました
    throw Exception(
        "\xb3\xa8\xdd\xc4\xde\xb3\xb8\xd7\xbd\x82\xcc\x8d\xec\x90\xac\x82\xc5\xb4\xd7\xb0\x82\xaa\x94\xad\x90"
        "\xb6\x82\xb5\x82\xdc\x82\xb5\x82\xbd");
  }
}

}  // namespace

HWND CreateFormWindow(HWND owner) {
  RegisterFormClass();
  return ::CreateWindowExW(0, kFormClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320, 240, owner,
                           nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace peruka
