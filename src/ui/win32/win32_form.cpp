#include <algorithm>
#include <vector>

#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/message_loop.h"
#include "ui/screen.h"
#include "ui/win32/win32_draw_text.h"
#include "ui/win32/win32_form_window.h"
#include "ui/win32/win32_icon.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

// Forms made while there is a main form belong to its window: they stay
// above it and have no task-bar button of their own.
HWND OwnerForNewForm(const TComponent* owner) {
  const TMessageLoop* loop = MessageLoopOf(owner);
  const TForm* main = loop ? loop->MainForm() : nullptr;
  return main ? main->Native()->window : nullptr;
}

NativeWidget* NewFormNative(const TComponent* owner) {
  auto* native = new NativeWidget;
  native->window = CreateFormWindow(OwnerForNewForm(owner));
  return native;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect{};
  ::GetClientRect(window, &rect);
  return rect;
}

struct FrameStyle {
  DWORD style;
  DWORD extendedStyle;
};

FrameStyle FrameStyleOf(TFormBorderStyle border, TBorderIcons icons) {
  FrameStyle frame{WS_CLIPCHILDREN, 0};
  switch (border) {
    case bsNone:
      frame.style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      frame.style |= WS_OVERLAPPED | WS_CAPTION;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      frame.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      frame.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      frame.extendedStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (border == bsToolWindow || border == bsSizeToolWin) frame.extendedStyle |= WS_EX_TOOLWINDOW;
  if (border != bsNone && (icons & biSystemMenu)) {
    frame.style |= WS_SYSMENU;
    const bool framed = border == bsSingle || border == bsSizeable;
    if (framed && (icons & biMinimize)) frame.style |= WS_MINIMIZEBOX;
    // A fixed frame cannot be maximised.
    if (border == bsSizeable && (icons & biMaximize)) frame.style |= WS_MAXIMIZEBOX;
  }
  return frame;
}

HFONT MakeFont(std::string_view shiftJisName, int height) {
  const std::wstring name = ToWide(shiftJisName);
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  name.copy(font.lfFaceName, LF_FACESIZE - 1);
  return ::CreateFontIndirectW(&font);
}

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
  ::SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  return TRUE;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner, NewFormNative(owner)) {
  const int pixelsPerInch = Screen ? Screen->PixelsPerInch() : 96;
  SetFont(kDefaultFontName, -MulDiv(9, pixelsPerInch, 72));
  if (const HICON icon = ApplicationIcon()) {
    ::SendMessageW(native_->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(native_->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  ApplyWindowFlags();
}

TForm::~TForm() {
  // The window's messages no longer reach the form.
  DetachWindow(*native_);
  if (modal_) EndModalLoop();
  DestroyComponents();
}

void TForm::SetWindowTitle(std::string_view title) {
  ::SetWindowTextW(native_->window, ToWide(title).c_str());
}

int TForm::Left() const { return WindowRect(native_->window).left; }
int TForm::Top() const { return WindowRect(native_->window).top; }
int TForm::Width() const {
  const RECT rect = WindowRect(native_->window);
  return rect.right - rect.left;
}
int TForm::Height() const {
  const RECT rect = WindowRect(native_->window);
  return rect.bottom - rect.top;
}

void TForm::SetBounds(int left, int top, int width, int height) {
  ::SetWindowPos(native_->window, nullptr, left, top, std::max(width, 0), std::max(height, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::MoveTo(int left, int top) {
  ::SetWindowPos(native_->window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::ClientWidth() const { return ClientRect(native_->window).right; }
int TForm::ClientHeight() const { return ClientRect(native_->window).bottom; }

ScreenPosition TForm::ClientToScreen(int x, int y) const {
  POINT point{x, y};
  ::ClientToScreen(native_->window, &point);
  return {point.x, point.y};
}

void TForm::SetIconPng(std::string_view png) {
  const HICON icon = IconFromPng(png);
  if (!icon) return;
  ::SendMessageW(native_->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(native_->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (native_->icon) ::DestroyIcon(native_->icon);
  native_->icon = icon;
}

void TForm::ApplyWindowFlags() {
  const HWND window = native_->window;
  const FrameStyle frame = FrameStyleOf(borderStyle_, borderIcons_);
  const LONG_PTR visible = ::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE;
  // The client area keeps its size; the frame around it changes.
  RECT rect = ClientRect(window);
  ::SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(frame.style) | visible);
  ::SetWindowLongPtrW(window, GWL_EXSTYLE, static_cast<LONG_PTR>(frame.extendedStyle));
  ::AdjustWindowRectEx(&rect, frame.style, FALSE, frame.extendedStyle);
  ::SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetFont(std::string_view name, int height) {
  const HFONT font = MakeFont(name, height);
  if (!font) return;
  const HFONT previous = native_->font;
  native_->font = font;
  fontName_ = std::string(name);
  fontHeight_ = height;
  ::EnumChildWindows(native_->window, SetChildFont, reinterpret_cast<LPARAM>(font));
  if (previous) ::DeleteObject(previous);
  // The controls that size themselves by the font do it again.
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* combo = dynamic_cast<TComboBox*>(Components(i))) combo->SetItemHeight(combo->ItemHeight());
    if (auto* label = dynamic_cast<TLabel*>(Components(i))) label->AdjustBounds();
  }
  ::InvalidateRect(native_->window, nullptr, TRUE);
}

int TForm::TextHeightOfZero() const {
  const ScreenTextContext context(native_->font);
  SIZE size{};
  ::GetTextExtentPoint32W(context.Dc(), L"0", 1, &size);
  return size.cy;
}

TextSize TForm::AverageCharSize() const {
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const ScreenTextContext context(native_->font);
  SIZE size{};
  ::GetTextExtentPoint32W(context.Dc(), kLetters, 52, &size);
  return {size.cx / 52, size.cy};
}

TextSize TForm::MeasureText(std::string_view text, const TextFormat& format, int width) const {
  const ScreenTextContext context(native_->font);
  return MeasureWithDrawText(context.Dc(), text, format.prefix, format.wordBreak, width);
}

void TForm::CenterOnScreen(TCentring rule) {
  // The system knows the frame from the start: one placing is enough.
  const int screenWidth = Screen ? Screen->Width() : ::GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = Screen ? Screen->Height() : ::GetSystemMetrics(SM_CYSCREEN);
  const ScreenPosition at = CentredPosition(rule, screenWidth, screenHeight, Width(), Height());
  MoveTo(at.left, at.top);
}

bool TForm::HasFocusedControl() const {
  const HWND focus = ::GetFocus();
  if (focus && ::IsChild(native_->window, focus)) return true;
  return native_->focusOnActivate && ::IsWindow(native_->focusOnActivate) &&
         ::IsChild(native_->window, native_->focusOnActivate);
}

void TForm::ShowAndRaise() {
  ::ShowWindow(native_->window, SW_SHOW);
  ::SetForegroundWindow(native_->window);
  ::BringWindowToTop(native_->window);
}

void TForm::Hide() { ::ShowWindow(native_->window, SW_HIDE); }

void TForm::UpdateTabOrder() {
  // Tab and Shift+Tab walk the windows with WS_TABSTOP in z-order: the
  // z-order is the tab order.
  const std::vector<TWinControl*> order =
      ControlsInTabOrder([](TWinControl* control) { return control->TabOrder() >= 0; });
  HWND previous = HWND_TOP;
  for (TWinControl* control : order) {
    const HWND window = control->Native()->window;
    if (!window) continue;
    ::SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = window;
  }
}

}  // namespace peruka
