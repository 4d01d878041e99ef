#include <vector>

#include "ui/event_guard.h"
#include "ui/memo.h"
#include "ui/win32/win32_accessibility.h"
#include "ui/win32/win32_edit_lines.h"
#include "ui/win32/win32_ime.h"
#include "ui/win32/win32_keys.h"
#include "ui/win32/win32_menu_command.h"
#include "ui/win32/win32_native.h"

namespace peruka {

namespace {

// The edit control's own procedure, the same for every EDIT window.
WNDPROC editProcedure = nullptr;

DWORD EditStyle(bool wordWrap, TScrollStyle bars) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  // Without horizontal scrolling the control breaks lines at its width.
  if (!wordWrap) style |= ES_AUTOHSCROLL;
  if (bars == ssHorizontal || bars == ssBoth) style |= WS_HSCROLL;
  if (bars == ssVertical || bars == ssBoth) style |= WS_VSCROLL;
  return style;
}

POINT MenuPoint(HWND edit, LPARAM lParam) {
  if (lParam != -1) return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  // From the keyboard: at the caret.
  POINT caret{};
  ::GetCaretPos(&caret);
  ::ClientToScreen(edit, &caret);
  return caret;
}

// The standard items of an edit control's menu, then the memo's commands.
void ShowMemoMenu(const TMemo& memo, HWND edit, LPARAM lParam) {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selection = start != end;
  const bool readOnly = (::GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
  const bool hasText = ::GetWindowTextLengthW(edit) > 0;
  const auto send = [edit](UINT message, WPARAM wParam = 0, LPARAM l = 0) {
    return [=] { ::SendMessageW(edit, message, wParam, l); };
  };
  std::vector<MenuItem> items{
      // 元に戻す(&U), 切り取り(&T), コピー(&C), 貼り付け(&P), 削除(&D), すべて選択(&A)
      {L"\x5143\x306B\x623B\x3059(&U)", ::SendMessageW(edit, EM_CANUNDO, 0, 0) != 0 && !readOnly,
       send(WM_UNDO)},
      {},
      {L"\x5207\x308A\x53D6\x308A(&T)", selection && !readOnly, send(WM_CUT)},
      {L"\x30B3\x30D4\x30FC(&C)", selection, send(WM_COPY)},
      {L"\x8CBC\x308A\x4ED8\x3051(&P)", ::IsClipboardFormatAvailable(CF_UNICODETEXT) && !readOnly,
       send(WM_PASTE)},
      {L"\x524A\x9664(&D)", selection && !readOnly, send(WM_CLEAR)},
      {},
      {L"\x3059\x3079\x3066\x9078\x629E(&A)", hasText, send(EM_SETSEL, 0, -1)},
  };
  std::vector<const TMenuCommand*> commands;
  for (const auto& command : memo.ContextCommands()) commands.push_back(command.get());
  AppendCommandItems(items, commands, true);
  ShowPopupMenu(edit, MenuPoint(edit, lParam), items);
}

LRESULT CALLBACK MemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* memo = dynamic_cast<TMemo*>(ControlOfWindow(window));
  if (!memo) return ::CallWindowProcW(editProcedure, window, message, wParam, lParam);
  return GuardedWindowProc([&]() -> LRESULT {
    switch (message) {
      case WM_KEYUP:
      case WM_SYSKEYUP: {
        // After the key has edited the text; a handler that clears the key
        // keeps the release from the control.
        Word key = static_cast<Word>(wParam);
        memo->KeyUp(key, KeyMessageShiftState((lParam & (1 << 29)) != 0));
        if (key == 0) return 0;
        wParam = key;
        break;
      }
      case WM_SETFOCUS:
        if (memo->ImeMode() == imDisable) DisableImeOnFocus(*memo->Native());
        break;
      case WM_KILLFOCUS:
        RestoreImeOnBlur(*memo->Native());
        break;
      case WM_CONTEXTMENU:
        ShowMemoMenu(*memo, window, lParam);
        return 0;
      default:
        break;
    }
    return ::CallWindowProcW(editProcedure, window, message, wParam, lParam);
  });
}

HWND CreateEdit(NativeWidget& native, DWORD style) {
  const HWND edit = CreateChildWindow(L"EDIT", style, WS_EX_CLIENTEDGE, native);
  if (!edit) return nullptr;
  // MaxLength 0: the largest text a multi-line edit control takes.
  ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  const auto previous = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MemoWindowProc)));
  if (!editProcedure) editProcedure = previous;
  return edit;
}

NativeWidget* NewMemoNative(NativeWidget* parent) {
  auto* native = new NativeWidget;
  native->parent = parent;
  native->window = CreateEdit(*native, EditStyle(true, ssNone));
  return native;
}

// The system's edit control takes its wrapping and scroll bars only when it
// is made: a new style means a new window, with the old one's text, place,
// state and focus.
void RebuildEdit(NativeWidget& native, Win32EditLines& lines, DWORD style) {
  const HWND old = native.window;
  if (!old) return;
  const Bounds bounds = ChildBounds(old);
  const int length = ::GetWindowTextLengthW(old);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(old, text.data(), length + 1)));
  const bool focused = ::GetFocus() == old;
  const LONG_PTR oldStyle = ::GetWindowLongPtrW(old, GWL_STYLE);
  style = (style & ~static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP)) |
          static_cast<DWORD>(oldStyle & (WS_VISIBLE | WS_TABSTOP | WS_DISABLED));

  RestoreImeOnBlur(native);
  DetachWindow(native);
  const HWND fresh = CreateEdit(native, style);
  if (!fresh) return;
  native.window = fresh;
  AttachWindow(native);
  lines.SetWindow(fresh);
  ::SetWindowPos(fresh, old, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOACTIVATE);
  ::SetWindowTextW(fresh, text.c_str());
  PublishAccessibleName(native);
  if (native.parent && native.parent->focusOnActivate == old) native.parent->focusOnActivate = fresh;
  // The new window's focus switches the input method off again.
  if (focused) ::SetFocus(fresh);
  ::DestroyWindow(old);
}

}  // namespace

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, NewMemoNative(ClientNativeOf(owner))),
      editLines_(std::make_unique<Win32EditLines>(native_->window)),
      lines_(std::make_unique<TMemoStrings>(*editLines_)) {}

TMemo::~TMemo() = default;

// The edit control is up to date after every message it is sent.
void TMemo::FinishEdits() {}

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  RebuildEdit(*native_, static_cast<Win32EditLines&>(*editLines_), EditStyle(wordWrap_, scrollBars_));
}

void TMemo::SetScrollBars(TScrollStyle bars) {
  if (bars == scrollBars_) return;
  scrollBars_ = bars;
  RebuildEdit(*native_, static_cast<Win32EditLines&>(*editLines_), EditStyle(wordWrap_, scrollBars_));
}

TMenuCommand* TMemo::AddContextCommand(std::string_view caption, TNotifyEvent handler,
                                       std::string_view keys) {
  contextCommands_.push_back(
      std::make_unique<Win32MenuCommand>(caption, keys, [this, onChoose = std::move(handler)] {
        if (onChoose) onChoose(this);
      }));
  return contextCommands_.back().get();
}

}  // namespace peruka
