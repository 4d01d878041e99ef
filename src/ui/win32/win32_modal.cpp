#include "ui/win32/win32_modal.h"

#include "ui/form.h"
#include "ui/message_loop.h"
#include "ui/win32/win32_message_pump.h"
#include "ui/win32/win32_native.h"

namespace peruka {

namespace {

struct DisableSearch {
  HWND box;
  std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM search) {
  const auto& what = *reinterpret_cast<DisableSearch*>(search);
  if (window != what.box && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    what.disabled->push_back(window);
  }
  return TRUE;
}

}  // namespace

ModalScope::ModalScope(HWND box) : active_(::GetActiveWindow()), focus_(::GetFocus()) {
  ::ReleaseCapture();
  if (box) {
    DisableSearch search{box, &disabled_};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableThreadWindow, reinterpret_cast<LPARAM>(&search));
  }
}

ModalScope::~ModalScope() { Restore(); }

void ModalScope::EnableOthers() {
  for (const HWND window : disabled_)
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
  disabled_.clear();
}

void ModalScope::Restore() {
  if (restored_) return;
  restored_ = true;
  EnableOthers();
  if (!active_ || !::IsWindow(active_)) return;
  ::SetForegroundWindow(active_);
  ::SetActiveWindow(active_);
  if (focus_ && ::IsWindow(focus_) && (focus_ == active_ || ::IsChild(active_, focus_))) ::SetFocus(focus_);
}

int TForm::ShowModal() {
  const HWND window = native_->window;
  ModalScope scope(window);
  // Owned by the window that was active, it stays above it.
  if (scope.Active() && scope.Active() != window && FormContaining(scope.Active()))
    ::SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(scope.Active()));
  modalResult_ = mrNone;
  Show();
  modal_ = true;
  if (TMessageLoop* loop = MessageLoopOf(this); loop && loop->Terminated()) modalResult_ = mrCancel;
  MSG message;
  while (modalResult_ == mrNone) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: the box closes and the quit message goes on
      // to the loop outside.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    HandleMessage(message);
  }
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  modal_ = false;
  // The other windows take input again before this one goes, so that the
  // activation returns to them.
  scope.EnableOthers();
  Hide();
  scope.Restore();
  return modalResult_;
}

void TForm::EndModalLoop() {
  // Wakes the loop, which then sees the modal result.
  ::PostMessageW(native_->window, WM_NULL, 0, 0);
}

}  // namespace peruka
