#include "ui/button.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

NativeWidget* NewButtonNative(NativeWidget* parent) {
  auto* native = new NativeWidget;
  native->parent = parent;
  // The form's window turns the button's clicks into Click (BN_CLICKED).
  native->window = CreateChildWindow(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, *native);
  return native;
}

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner, NewButtonNative(ClientNativeOf(owner))) {}

void TButton::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  ::SetWindowTextW(native_->window, ToWide(caption_).c_str());
  SetAccessibleName(caption_);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  // The default button wears the heavier frame.
  ::SendMessageW(native_->window, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

}  // namespace peruka
