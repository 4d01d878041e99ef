// peruka.exe as a person uses it, from outside the program: started as its
// own process, driven by input the system delivers (SendInput), its controls
// read back through their windows and the result through its copy command.
// The worked example with its two power boxes, a notice, an error box, a fit
// of degree 20, the clear button, and the window closed ending the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

std::wstring program;  // peruka.exe, from the command line

void Wait(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::wstring TextOf(HWND window) {
  const auto length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got = ::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                  reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

std::string Utf8(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
  return bytes;
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof input);
}

void Press(WORD key) {
  SendKey(key, false);
  SendKey(key, true);
  Wait(30);
}

void Type(const std::wstring& text) {
  for (const wchar_t c : text) Press(static_cast<WORD>(::VkKeyScanW(c) & 0xFF));
}

void ClickAt(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof input[0]);
  Wait(100);
}

// The program's process and its windows.
class Peruka {
 public:
  Peruka() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + program + L"\"";
    if (!::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process_))
      return;
    ::WaitForInputIdle(process_.hProcess, 20000);
    for (int i = 0; i < 200 && !main_; ++i, Wait(100)) main_ = TopWindow(L"");
  }
  ~Peruka() {
    if (process_.hProcess) {
      if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(process_.hProcess, 1);
      ::CloseHandle(process_.hThread);
      ::CloseHandle(process_.hProcess);
    }
  }

  HWND Main() const { return main_; }
  // Waits until the main window takes input again (a box's end can take
  // seconds under wine) and the program waits for input.
  void WaitUntilReady() const {
    for (int i = 0; i < 300 && !::IsWindowEnabled(main_); ++i) Wait(50);
    ::WaitForInputIdle(process_.hProcess, 10000);
    Wait(100);
  }
  DWORD ExitCode(int waitMilliseconds) const {
    ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(waitMilliseconds));
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // A visible top-level window of the program other than the main window
  // (of the class given, any when empty), or null.
  HWND TopWindow(const std::wstring& className) const {
    struct Search {
      DWORD process;
      HWND main;
      const std::wstring* className;
      HWND found;
    } search{process_.dwProcessId, main_, &className, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          ::GetWindowThreadProcessId(window, &owner);
          if (owner != s->process || window == s->main || !::IsWindowVisible(window)) return TRUE;
          if (!s->className->empty() && ClassOf(window) != *s->className) return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // The child windows of the main window of a class, top to bottom, then
  // left to right.
  std::vector<HWND> Children(const wchar_t* className) const {
    std::vector<HWND> found;
    for (HWND child = ::GetWindow(main_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (ClassOf(child) == className) found.push_back(child);
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
      RECT ra, rb;
      ::GetWindowRect(a, &ra);
      ::GetWindowRect(b, &rb);
      return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return found;
  }

  HWND Button(const std::wstring& caption) const {
    for (HWND button : Children(L"Button"))
      if (TextOf(button) == caption) return button;
    return nullptr;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Waits for a box of the program, then gives its title and text and closes
// it with Enter.
struct Box {
  std::wstring title;
  std::wstring text;
};
bool CloseNextBox(const Peruka& peruka, const wchar_t* className, Box& box) {
  HWND window = nullptr;
  for (int i = 0; i < 100 && !window; ++i, Wait(50)) window = peruka.TopWindow(className);
  if (!window) return false;
  box.title = TextOf(window);
  if (HWND text = ::GetDlgItem(window, 0xFFFF)) box.text = TextOf(text);
  ::SetForegroundWindow(window);
  Wait(100);
  Press(VK_RETURN);
  for (int i = 0; i < 300 && ::IsWindowVisible(window); ++i) Wait(50);
  return !::IsWindowVisible(window);
}

std::wstring ClipboardText() {
  std::wstring text;
  for (int i = 0; i < 20 && !::OpenClipboard(nullptr); ++i) Wait(50);
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

// Ctrl+Shift+C, the result's copy command anywhere in the main window: the
// text it put on the (emptied) clipboard.
std::wstring CopyResult(const Peruka& peruka) {
  peruka.WaitUntilReady();
  if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }
  ::SetForegroundWindow(peruka.Main());
  Wait(100);
  SendKey(VK_CONTROL, false);
  SendKey(VK_SHIFT, false);
  Press('C');
  SendKey(VK_SHIFT, true);
  SendKey(VK_CONTROL, true);
  std::wstring text;
  for (int i = 0; i < 100 && text.empty(); ++i, Wait(50)) text = ClipboardText();
  return text;
}

TEST(PerukaProgram, UsedThroughItsWindow) {
  Peruka peruka;
  ASSERT_NE(peruka.Main(), nullptr) << "no main window appeared";
  EXPECT_EQ(Utf8(TextOf(peruka.Main())), "ペルカ");
  ::SetForegroundWindow(peruka.Main());
  Wait(300);
  const std::vector<HWND> edits = peruka.Children(L"Edit");
  ASSERT_EQ(edits.size(), 3u);  // the entry box, then the x and y columns
  const HWND data = edits[0], xData = edits[1], yData = edits[2];
  const HWND calc = peruka.Button(L"\u8a08\u7b97\u5b9f\u884c");         // 計算実行
  const HWND clear = peruka.Button(L"\u30c7\u30fc\u30bf\u524a\u9664");  // データ削除
  ASSERT_NE(calc, nullptr);
  ASSERT_NE(clear, nullptr);

  // The worked example, typed into the entry box (which has the focus).
  for (const wchar_t* value : {L"0", L"1", L"1", L"3", L"2", L"5"}) {
    Type(value);
    Press(VK_RETURN);
  }
  EXPECT_EQ(Utf8(TextOf(xData)), "0\r\n1\r\n2\r\n");
  EXPECT_EQ(Utf8(TextOf(yData)), "1\r\n3\r\n5\r\n");
  EXPECT_EQ(Utf8(TextOf(data)), "");
  RECT before;
  ::GetClientRect(peruka.Main(), &before);
  ClickAt(calc);
  // x = 0 meets 0 to the power 0 twice.
  for (int i = 0; i < 2; ++i) {
    Box box;
    ASSERT_TRUE(CloseNextBox(peruka, L"#32770", box)) << "power box " << i + 1;
    EXPECT_EQ(Utf8(box.text), "powl: DOMAIN error");
    EXPECT_EQ(Utf8(box.title), "peruka.exe");
  }
  EXPECT_EQ(Utf8(CopyResult(peruka)), "y = (2.000000000000000) x^1\r\n   + (1.000000000000000)\r\n");
  RECT after;
  ::GetClientRect(peruka.Main(), &after);
  EXPECT_GT(after.bottom, before.bottom);  // the window grew to the result's two lines

  // The clear button empties the boxes.
  peruka.WaitUntilReady();
  ClickAt(clear);
  EXPECT_EQ(Utf8(TextOf(xData)), "");
  EXPECT_EQ(Utf8(TextOf(yData)), "");

  // Nothing to calculate: the notice, titled with the program's title.
  ClickAt(calc);
  Box notice;
  ASSERT_TRUE(CloseNextBox(peruka, L"", notice)) << "no notice";
  EXPECT_EQ(Utf8(notice.title), "ペルカ");

  // One point at degree 1: the elimination meets a zero pivot.
  ::SetForegroundWindow(peruka.Main());
  ClickAt(data);
  for (const wchar_t* value : {L"3", L"5"}) {
    Type(value);
    Press(VK_RETURN);
  }
  ClickAt(calc);
  Box error;
  ASSERT_TRUE(CloseNextBox(peruka, L"#32770", error)) << "no error box";
  EXPECT_EQ(Utf8(error.text), "無効な浮動小数点操作.");
  EXPECT_EQ(Utf8(error.title), "ペルカ");

  // Degree 20 on 21 points: the result has 21 lines.
  ClickAt(clear);
  ClickAt(data);
  for (int i = 1; i <= 21; ++i) {
    Type(std::to_wstring(i));
    Press(VK_RETURN);
    Type(std::to_wstring(i * i % 7));
    Press(VK_RETURN);
  }
  const std::vector<HWND> combos = peruka.Children(L"ComboBox");
  ASSERT_EQ(combos.size(), 1u);
  ClickAt(data);
  Press(VK_TAB);  // the degree list follows the entry box
  Press(VK_END);
  EXPECT_EQ(::SendMessageW(combos[0], CB_GETCURSEL, 0, 0), 19);
  ClickAt(calc);
  const std::string result = Utf8(CopyResult(peruka));
  EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 21) << result;
  EXPECT_EQ(result.rfind("y = (", 0), 0u) << result;

  // Closing the window ends the program.
  ::PostMessageW(peruka.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(peruka.ExitCode(10000), 0u);
}

// The program as an installation starts it: its window comes up, and
// closing it ends the program cleanly.
TEST(PerukaProgram, StartsAndEndsWhenClosed) {
  Peruka peruka;
  ASSERT_NE(peruka.Main(), nullptr) << "no main window appeared";
  EXPECT_EQ(Utf8(TextOf(peruka.Main())), "ペルカ");
  ::PostMessageW(peruka.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(peruka.ExitCode(10000), 0u);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: peruka_e2e PERUKA.EXE\n");
    return 64;
  }
  // A POSIX path of the build folder, as CTest passes it, is on wine's Z: drive.
  std::string path = argv[1];
  if (!path.empty() && path[0] == '/') {
    for (char& c : path)
      if (c == '/') c = '\\';
    path = "Z:" + path;
  }
  program.assign(path.begin(), path.end());
  return RUN_ALL_TESTS();
}
