// The shared main window tests' glue for the Windows backend: the window
// layer started once for the test program, keys and clicks as the messages
// the system would post, and the boxes caught as they are activated (a CBT
// hook), read back through their windows and closed by their OK button.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

#include "numeric/locale_mark.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/message_form.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_keys.h"
#include "ui/win32/win32_menu_command.h"
#include "ui/win32/win32_message_pump.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_widget.h"
#include "ui/window_layer.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

class WindowLayerEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    LoadLocaleSettings();
    InstallRuntimeMessageBox();
    layer_ = std::make_unique<WindowLayer>(0, nullptr);
  }
  void TearDown() override { layer_.reset(); }

 private:
  std::unique_ptr<WindowLayer> layer_;
};

[[maybe_unused]] const ::testing::Environment* const kWindowLayer =
    ::testing::AddGlobalTestEnvironment(new WindowLayerEnvironment);

std::string TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return FromWide(text);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

// The messages that are due, handled as the program's own loops handle them.
void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) HandleMessage(message);
}

// A key pressed and released as the system delivers it: the loop's
// translation makes the character of the press, which (being posted) comes
// before the next key's messages.
void PostKey(HWND target, WORD key) {
  const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  ::PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  Pump();
  ::PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
  Pump();
}

class Win32WindowDriver;
Win32WindowDriver* watching = nullptr;

class Win32WindowDriver final : public WindowDriver {
 public:
  Win32WindowDriver() {
    watching = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, &Win32WindowDriver::Hook, nullptr, ::GetCurrentThreadId());
    dialogHook_ = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &Win32WindowDriver::DialogHook, nullptr,
                                      ::GetCurrentThreadId());
  }
  ~Win32WindowDriver() override {
    ::UnhookWindowsHookEx(hook_);
    ::UnhookWindowsHookEx(dialogHook_);
    watching = nullptr;
    ResetApplication();
    Pump();
  }

  TMainForm& StartMainWindow() override {
    CreateMainWindow().Show();
    ::SetForegroundWindow(Win32Window(MainForm));
    ::SetActiveWindow(Win32Window(MainForm));
    Pump();
    return *MainForm;
  }

  std::vector<ShownBox> TakeBoxes() override { return std::exchange(boxes_, {}); }

  void TypeAndEnter(TMemo& box, std::string_view text) override {
    const HWND edit = Win32Window(&box);
    ::SetFocus(edit);
    for (const wchar_t c : ToWide(text)) PostKey(edit, static_cast<WORD>(::VkKeyScanW(c) & 0xFF));
    PostKey(edit, VK_RETURN);
    Pump();
  }

  void PressEnterInFocus() override {
    PostKey(::GetFocus(), VK_RETURN);
    Pump();
  }

  void Click(TButton& button) override {
    ::SendMessageW(Win32Window(&button), BM_CLICK, 0, 0);
    Pump();
  }

  // The modifiers are held in the thread's key state while the key's
  // messages are handled, as the system holds them for a real key press.
  void PressKeys(TWinControl& control, std::string_view keys) override {
    const KeyChord chord = ParseKeyChord(keys);
    const HWND target = Win32Window(&control);
    ::SetFocus(target);
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    BYTE held[256];
    std::copy(std::begin(state), std::end(state), std::begin(held));
    const std::pair<TShiftState, int> modifiers[] = {
        {ssCtrl, VK_CONTROL}, {ssShift, VK_SHIFT}, {ssAlt, VK_MENU}};
    for (const auto& [shift, key] : modifiers)
      if (chord.shift & shift) held[key] = 0x80;
    ::SetKeyboardState(held);
    PostKey(target, chord.key);
    ::SetKeyboardState(state);
    Pump();
  }

  void Choose(TMenuCommand& command) override {
    AsWin32(&command)->Run();
    Pump();
  }

  void ProcessEvents() override { Pump(); }

  const TControl* FocusedControl() const override { return ControlOfWindow(::GetFocus()); }
  bool IsActive(const TForm& form) const override { return ::GetActiveWindow() == Win32Window(&form); }
  bool IsEnabled(const TForm& form) const override { return ::IsWindowEnabled(Win32Window(&form)) != 0; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    // A system box may be activated while it is being set up: it is taken
    // from the dialog hook.
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && watching && ClassOf(window) != L"#32770") watching->Activated(window);
    if (code == HCBT_DESTROYWND && watching) watching->seen_.erase(window);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  // A system box is complete once its dialog procedure has set it up.
  static LRESULT CALLBACK DialogHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && watching && call->message == WM_INITDIALOG) watching->Activated(call->hwnd);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  // A box is recorded once, when it first becomes active (a system box: once
  // it is set up), and closed by its OK button once its own loop runs.
  void Activated(HWND window) {
    if (seen_.count(window)) return;
    ShownBox box;
    HWND ok = nullptr;
    if (ClassOf(window) == L"#32770") {
      box.kind = ShownBox::kMessageBox;
      ok = ::GetDlgItem(window, IDOK);
      for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Button" && (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) ++box.buttons;
        if (ClassOf(child) != L"Static") continue;
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          box.stopIcon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)) ==
                         ::LoadIconW(nullptr, IDI_HAND);
        } else if (box.text.empty()) {
          box.text = TextOf(child);
        }
      }
    } else if (auto* notice = dynamic_cast<TMessageForm*>(ControlOfWindow(window))) {
      box.kind = ShownBox::kNotice;
      box.text = notice->Message->Caption();
      ok = Win32Window(notice->OK);
      for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == L"Button" && (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) ++box.buttons;
    } else {
      return;
    }
    box.title = TextOf(window);
    seen_.insert(window);
    boxes_.push_back(box);
    if (ok) ::PostMessageW(ok, BM_CLICK, 0, 0);
  }

  HHOOK hook_ = nullptr;
  HHOOK dialogHook_ = nullptr;
  std::set<HWND> seen_;
  std::vector<ShownBox> boxes_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<Win32WindowDriver>(); }

}  // namespace peruka::testing
