#include <vector>

#include "ui/event_guard.h"
#include "ui/label.h"
#include "ui/win32/win32_draw_text.h"
#include "ui/win32/win32_label_parts.h"
#include "ui/win32/win32_menu_command.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

NativeWidget* NewLabelNative(NativeWidget* parent) {
  auto* native = new NativeWidget;
  native->parent = parent;
  return native;
}

RECT RectOf(const Bounds& bounds) {
  return {bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

UINT DrawFlags(const TLabel& label) {
  UINT flags = DT_EXPANDTABS;
  if (label.WordWrap()) flags |= DT_WORDBREAK;
  if (!label.ShowAccelChar()) flags |= DT_NOPREFIX;
  switch (label.Alignment()) {
    case taLeftJustify:
      flags |= DT_LEFT;
      break;
    case taRightJustify:
      flags |= DT_RIGHT;
      break;
    case taCenter:
      flags |= DT_CENTER;
      break;
  }
  return flags;
}

void PaintLabel(const TLabel& label, HDC dc) {
  const NativeWidget& native = *label.Native();
  RECT rect = RectOf(native.bounds);
  if (!label.Transparent()) ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetTextColor(dc, ::GetSysColor(native.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  std::wstring text = ToWide(label.Caption());
  ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, DrawFlags(label));
}

// The labels of the form, in the order they were made (later ones on top).
std::vector<const TLabel*> LabelsOf(const TForm& form) {
  std::vector<const TLabel*> labels;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (const auto* label = dynamic_cast<const TLabel*>(form.Components(i)); label && label->Native())
      if (label->Native()->parent == form.Native()) labels.push_back(label);
  return labels;
}

HWND ToolTipsOf(NativeWidget& form) {
  if (!form.toolTips && form.window) {
    form.toolTips =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.window, nullptr,
                          ::GetModuleHandleW(nullptr), nullptr);
    // Tips of several lines break at their line breaks.
    ::SendMessageW(form.toolTips, TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN) / 2);
  }
  return form.toolTips;
}

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner, NewLabelNative(ClientNativeOf(owner))) {}

TextSize TLabel::MeasureCaption(std::string_view text, int width) const {
  const ScreenTextContext context(FontOf(native_));
  return MeasureWithDrawText(context.Dc(), text, showAccelChar_, wordWrap_, width);
}

void TLabel::Repaint() {
  if (!native_->parent || !native_->parent->window) return;
  const RECT rect = RectOf(native_->bounds);
  ::InvalidateRect(native_->parent->window, &rect, TRUE);
}

void TLabel::SetToolTip(std::string_view text) {
  NativeWidget* form = native_->parent;
  if (!form || !form->window) return;
  TOOLINFOW tool{};
  // The size every version of the common controls takes.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = form->window;
  tool.uId = reinterpret_cast<UINT_PTR>(native_);
  if (text.empty()) {
    if (native_->hasToolTip && form->toolTips)
      ::SendMessageW(form->toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    native_->hasToolTip = false;
    return;
  }
  const HWND tips = ToolTipsOf(*form);
  if (!tips) return;
  std::wstring wide = ToWide(text);
  tool.uFlags = TTF_SUBCLASS;
  tool.rect = RectOf(native_->bounds);
  tool.lpszText = wide.data();
  if (native_->hasToolTip) {
    ::SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    native_->hasToolTip = ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  }
}

bool TLabel::ReachesPastParent() const {
  const NativeWidget* form = native_->parent;
  if (!form || !form->window) return false;
  RECT client{};
  ::GetClientRect(form->window, &client);
  return native_->bounds.left + native_->bounds.width > client.right;
}

// The form tells its labels of every change of its client size; a label
// listens while it watches.
void TLabel::WatchParentSize(bool on) { native_->watchesParentSize = on; }

std::unique_ptr<TMenuCommand> TLabel::MakeCopyCommand(std::string_view menuCaption, std::string_view keys) {
  return std::make_unique<Win32MenuCommand>(menuCaption, keys, [this] { CopyCaption(); });
}

std::unique_ptr<TMenuCommand> TLabel::MakeContextCommand(std::string_view caption, std::string_view keys,
                                                         TNotifyEvent handler) {
  return std::make_unique<Win32MenuCommand>(caption, keys, [this, onChoose = std::move(handler)] {
    if (onChoose) onChoose(this);
  });
}

void PaintLabels(const TForm& form, HDC dc, const RECT& update) {
  const HGDIOBJ previous = ::SelectObject(dc, FontOf(form.Native()));
  ::SetBkMode(dc, TRANSPARENT);
  for (const TLabel* label : LabelsOf(form)) {
    if (!label->Native()->visible) continue;
    const RECT rect = RectOf(label->Native()->bounds);
    RECT meet{};
    if (::IntersectRect(&meet, &rect, &update)) PaintLabel(*label, dc);
  }
  ::SelectObject(dc, previous);
}

bool ShowLabelMenu(const TForm& form, POINT client, POINT screen) {
  const std::vector<const TLabel*> labels = LabelsOf(form);
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
    const TLabel& label = **it;
    const RECT rect = RectOf(label.Native()->bounds);
    if (!label.Native()->visible || !::PtInRect(&rect, client)) continue;
    std::vector<const TMenuCommand*> commands;
    if (label.CopyCommand()) commands.push_back(label.CopyCommand());
    for (const auto& command : label.ContextCommands()) commands.push_back(command.get());
    if (commands.empty()) return false;
    std::vector<MenuItem> items;
    AppendCommandItems(items, commands, false);
    ShowPopupMenu(form.Native()->window, screen, items);
    return true;
  }
  return false;
}

void LabelsParentResized(TForm& form) {
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* label = dynamic_cast<TLabel*>(form.Components(i)); label && label->Native()->watchesParentSize)
      label->UpdateCutHint();
}

}  // namespace peruka
