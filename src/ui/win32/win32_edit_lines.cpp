#include "ui/win32/win32_edit_lines.h"

#include <windows.h>

#include <cstring>

#include "text/lines.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

// The edit control breaks lines at CR LF only.
std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  bool first = true;
  ForEachTextLine(text, [&](std::string_view line) {
    if (!first) result.append("\r\n");
    first = false;
    result.append(line);
    return true;
  });
  if (!text.empty() && IsLineBreakCharacter(text.back())) result.append("\r\n");
  return result;
}

// The control's whole text as it holds it.
std::wstring WideText(HWND edit) {
  const int length = ::GetWindowTextLengthW(edit);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(edit, wide.data(), length + 1);
  wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return wide;
}

}  // namespace

int Win32EditLines::LineCount() const {
  return static_cast<int>(::SendMessageW(edit_, EM_GETLINECOUNT, 0, 0));
}

int Win32EditLines::LineIndex(int line) const {
  // -1 asks for the caret's line: never meant here.
  if (line < 0) return -1;
  return static_cast<int>(::SendMessageW(edit_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int Win32EditLines::LineLength(int position) const {
  if (position < 0) return 0;
  return static_cast<int>(::SendMessageW(edit_, EM_LINELENGTH, static_cast<WPARAM>(position), 0));
}

std::string Win32EditLines::Line(int line) const {
  const int start = LineIndex(line);
  if (start < 0) return {};
  const int length = LineLength(start);
  if (length <= 0) return {};
  if (length > 0xFFFF) {
    // EM_GETLINE's buffer size is one 16-bit word: a longer line is read
    // from the whole text.
    const std::wstring wide = WideText(edit_);
    return FromWide(
        std::wstring_view(wide).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
  }
  // The buffer's first word holds its size in characters.
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const WORD size = static_cast<WORD>(length);
  std::memcpy(buffer.data(), &size, sizeof size);
  const auto copied =
      ::SendMessageW(edit_, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return FromWide(buffer);
}

void Win32EditLines::Replace(int start, int length, std::string_view text) {
  const std::wstring wide = ToWide(WithCrLf(text));
  ::SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
  // FALSE: the program's edits cannot be undone.
  ::SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
  ::SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

std::string Win32EditLines::Text() const { return FromWide(WideText(edit_)); }

void Win32EditLines::SetText(std::string_view text) {
  const std::wstring wide = ToWide(WithCrLf(text));
  ::SetWindowTextW(edit_, wide.c_str());
}

}  // namespace peruka
