#include <cstring>
#include <string>

#include "ui/clipboard.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

// Another program may hold the clipboard for a moment.
bool OpenTheClipboard() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (::OpenClipboard(HelperWindow())) return true;
    ::Sleep(10);
  }
  return false;
}

// Windows programs break the lines of clipboard text with CR LF.
std::wstring WithCrLf(const std::wstring& text) {
  std::wstring result;
  result.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) result += L'\r';
    result += text[i];
  }
  return result;
}

}  // namespace

bool PutOnClipboard(std::string_view text) {
  if (text.empty()) return false;
  const std::wstring wide = WithCrLf(ToWide(text));
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* target = ::GlobalLock(memory)) {
    std::memcpy(target, wide.c_str(), bytes);
    ::GlobalUnlock(memory);
  }
  if (!OpenTheClipboard()) {
    ::GlobalFree(memory);
    return false;
  }
  ::EmptyClipboard();
  // The clipboard owns the memory once it took it.
  const bool put = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  ::CloseClipboard();
  if (!put) ::GlobalFree(memory);
  return put;
}

std::string ClipboardText() {
  if (!::IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenTheClipboard()) return {};
  std::string text;
  if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(data))) {
      // The data ends at its first zero, or at the end of its memory.
      const std::size_t limit = ::GlobalSize(data) / sizeof(wchar_t);
      std::size_t length = 0;
      while (length < limit && wide[length] != L'\0') ++length;
      text = FromWide(std::wstring_view(wide, length));
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

}  // namespace peruka
