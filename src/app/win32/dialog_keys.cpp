#include "app/win32/dialog_keys.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace peruka {

namespace {

// One thread runs the windows: the hook and its list are that thread's.
HHOOK hook = nullptr;
std::vector<HWND>& Routed() {
  static std::vector<HWND> windows;
  return windows;
}

LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
      for (HWND window : Routed()) {
        if (message->hwnd != window && !::IsChild(window, message->hwnd)) continue;
        if (::IsWindowEnabled(window) && ::IsDialogMessageW(window, message)) {
          // Handled: the loop gets nothing to translate or dispatch.
          message->message = WM_NULL;
          message->wParam = 0;
          message->lParam = 0;
        }
        break;
      }
    }
  }
  return ::CallNextHookEx(hook, code, removal, lParam);
}

}  // namespace

void RouteDialogKeys(HWND window) {
  std::vector<HWND>& windows = Routed();
  if (std::find(windows.begin(), windows.end(), window) != windows.end()) return;
  windows.push_back(window);
  if (!hook) hook = ::SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, ::GetCurrentThreadId());
}

void StopRoutingDialogKeys(HWND window) {
  std::vector<HWND>& windows = Routed();
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
  if (windows.empty() && hook) {
    ::UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
}

}  // namespace peruka
