#include <algorithm>

#include "text/accelerator.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/win32/win32_accessibility.h"
#include "ui/win32/win32_native.h"

namespace peruka {

namespace {

void InvalidateOnParent(const NativeWidget& native) {
  if (!native.parent || !native.parent->window) return;
  const RECT rect{native.bounds.left, native.bounds.top, native.bounds.left + native.bounds.width,
                  native.bounds.top + native.bounds.height};
  ::InvalidateRect(native.parent->window, &rect, TRUE);
}

bool HasStyle(HWND window, LONG_PTR style) { return (::GetWindowLongPtrW(window, GWL_STYLE) & style) != 0; }

}  // namespace

TControl::TControl(TComponent* owner, NativeWidget* native) : TComponent(owner), native_(native) {
  native_->control = this;
  AttachWindow(*native_);
}

TControl::~TControl() {
  DetachWindow(*native_);
  if (native_->window) {
    ::DestroyWindow(native_->window);
  } else {
    InvalidateOnParent(*native_);
    if (native_->hasToolTip && native_->parent && native_->parent->toolTips) {
      TOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = native_->parent->window;
      tool.uId = reinterpret_cast<UINT_PTR>(native_);
      ::SendMessageW(native_->parent->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  if (native_->font) ::DeleteObject(native_->font);
  if (native_->icon) ::DestroyIcon(native_->icon);
  delete native_;
}

void TControl::SetName(std::string_view name) { TComponent::SetName(name); }

int TControl::Left() const {
  return native_->window ? ChildBounds(native_->window).left : native_->bounds.left;
}
int TControl::Top() const { return native_->window ? ChildBounds(native_->window).top : native_->bounds.top; }
int TControl::Width() const {
  return native_->window ? ChildBounds(native_->window).width : native_->bounds.width;
}
int TControl::Height() const {
  return native_->window ? ChildBounds(native_->window).height : native_->bounds.height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (native_->window) {
    ::SetWindowPos(native_->window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // A label: its old and its new place are painted again.
  InvalidateOnParent(*native_);
  native_->bounds = {left, top, width, height};
  InvalidateOnParent(*native_);
}

bool TControl::Visible() const {
  return native_->window ? HasStyle(native_->window, WS_VISIBLE) : native_->visible;
}

void TControl::SetVisible(bool visible) {
  if (native_->window) {
    ::ShowWindow(native_->window, visible ? SW_SHOWNA : SW_HIDE);
    return;
  }
  native_->visible = visible;
  InvalidateOnParent(*native_);
}

bool TControl::Enabled() const {
  return native_->window ? ::IsWindowEnabled(native_->window) != FALSE : native_->enabled;
}

void TControl::SetEnabled(bool enabled) {
  if (native_->window) {
    ::EnableWindow(native_->window, enabled ? TRUE : FALSE);
    return;
  }
  native_->enabled = enabled;
  InvalidateOnParent(*native_);
}

void TControl::SetAccessibleName(std::string_view name) {
  native_->accessibleName = WithoutAccelerators(name);
  PublishAccessibleName(*native_);
}

std::string TControl::AccessibleName() const { return native_->accessibleName; }

TGraphicControl::TGraphicControl(TComponent* owner, NativeWidget* native) : TControl(owner, native) {}

TWinControl::TWinControl(TComponent* owner, NativeWidget* native) : TControl(owner, native) {}

void TWinControl::SetTabStop(bool stop) {
  tabStop_ = stop;
  if (!native_->window) return;
  LONG_PTR style = ::GetWindowLongPtrW(native_->window, GWL_STYLE);
  style = stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  ::SetWindowLongPtrW(native_->window, GWL_STYLE, style);
}

bool TWinControl::CanFocus() const {
  return native_->window && ::IsWindowEnabled(native_->window) && HasStyle(native_->window, WS_VISIBLE);
}

void TWinControl::SetFocus() {
  if (!native_->window) return;
  // A form that is not active gives the focus to the control when it is
  // activated, as a dialog does.
  NativeWidget* form = native_->parent;
  if (form && form->window && ::GetActiveWindow() != form->window) {
    form->focusOnActivate = native_->window;
    return;
  }
  ::SetFocus(native_->window);
}

bool TWinControl::Focused() const {
  if (!native_->window) return false;
  const HWND focus = ::GetFocus();
  return focus && (focus == native_->window || ::IsChild(native_->window, focus));
}

}  // namespace peruka
