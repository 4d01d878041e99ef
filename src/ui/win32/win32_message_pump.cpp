#include "ui/win32/win32_message_pump.h"

#include <vector>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/win32/win32_keys.h"
#include "ui/win32/win32_menu_command.h"
#include "ui/win32/win32_native.h"

namespace peruka {

namespace {

// Runs the first enabled command with the keys; false when there is none.
bool RunCommandWithKeys(const std::vector<const TMenuCommand*>& commands, const KeyChord& keys) {
  for (const TMenuCommand* command : commands) {
    const Win32MenuCommand* win32 = AsWin32(command);
    if (win32 && win32->Enabled() && win32->Keys() == keys) {
      win32->Run();
      return true;
    }
  }
  return false;
}

// The keys of the focused memo's commands, then those of the form's labels,
// which act anywhere in the form.
bool RunCommandKeys(const TForm& form, TControl* focused, const KeyChord& keys) {
  std::vector<const TMenuCommand*> commands;
  if (const auto* memo = dynamic_cast<const TMemo*>(focused))
    for (const auto& command : memo->ContextCommands()) commands.push_back(command.get());
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const auto* label = dynamic_cast<const TLabel*>(form.Components(i));
    if (!label) continue;
    if (label->CopyCommand()) commands.push_back(label->CopyCommand());
    for (const auto& command : label->ContextCommands()) commands.push_back(command.get());
  }
  return RunCommandWithKeys(commands, keys);
}

bool Tabbable(HWND window) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// Tab and Shift+Tab: the next (previous) control in z-order that takes the
// focus from the keyboard, round the form.
void MoveFocus(HWND form, HWND from, bool backwards) {
  std::vector<HWND> stops;
  std::size_t at = 0;
  bool found = false;
  for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == from) {
      at = stops.size();
      found = true;
    }
    if (Tabbable(child)) stops.push_back(child);
  }
  if (stops.empty()) return;
  std::size_t next = 0;
  if (found && backwards) {
    next = (at + stops.size() - 1) % stops.size();
  } else if (found) {
    // `at` counts the stops before `from`: the next is at `at`, or past it
    // when `from` is a stop itself.
    next = (at + (Tabbable(from) ? 1 : 0)) % stops.size();
  } else if (backwards) {
    next = stops.size() - 1;
  }
  ::SetFocus(stops[next]);
}

bool ListIsOpen(TControl* control) {
  return dynamic_cast<TComboBox*>(control) &&
         ::SendMessageW(control->Native()->window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// The key pre-processing of a key press in a form; true when the form took
// the key.
bool FormTakesKey(const MSG& message) {
  TForm* form = FormContaining(message.hwnd);
  if (!form) return false;
  const HWND formWindow = form->Native()->window;
  const HWND child = ChildOfForm(formWindow, message.hwnd);
  TControl* focused = ControlOfWindow(child);
  const auto key = static_cast<Word>(message.wParam);
  const TShiftState shift = KeyMessageShiftState((message.lParam & (1 << 29)) != 0);
  if (RunCommandKeys(*form, focused, KeyChord{key, shift})) return true;
  if (key == VK_F10 && shift == ssShift && message.hwnd) {
    // Shift+F10 opens the focused control's context menu, as the menu key does.
    ::SendMessageW(message.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(message.hwnd), -1);
    return true;
  }
  if (message.message != WM_KEYDOWN || ListIsOpen(focused)) return false;
  // A memo wants every key: Enter breaks its line, Escape stays with it.
  const bool memo = dynamic_cast<TMemo*>(focused) != nullptr;
  switch (key) {
    case VK_TAB:
      if (shift & (ssCtrl | ssAlt)) return false;
      MoveFocus(formWindow, child, (shift & ssShift) != 0);
      return true;
    case VK_RETURN:
      if (memo) return false;
      if (auto* button = dynamic_cast<TButton*>(focused); button && shift == 0) {
        // Enter clicks the button that has the focus.
        DispatchEvent([button] { button->Click(); });
        return true;
      }
      return form->DialogKey(key, shift);
    case VK_ESCAPE:
      return !memo && form->DialogKey(key, shift);
    default:
      return false;
  }
}

}  // namespace

void HandleMessage(const MSG& message) {
  const bool keyPress = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  // While the mouse is captured (a drag, an open menu) keys go straight on.
  if (keyPress && !::GetCapture()) {
    bool taken = false;
    GuardedWindowProc([&]() -> LRESULT {
      taken = FormTakesKey(message);
      return 0;
    });
    if (taken) return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

}  // namespace peruka
