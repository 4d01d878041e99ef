#include "ui/win32/win32_text.h"

#include <windows.h>

namespace peruka {

namespace {
constexpr UINT kShiftJisCodePage = 932;
}  // namespace

std::wstring ToWide(std::string_view shiftJis) {
  if (shiftJis.empty()) return {};
  const int size = static_cast<int>(shiftJis.size());
  const int units = ::MultiByteToWideChar(kShiftJisCodePage, 0, shiftJis.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
  if (units > 0) ::MultiByteToWideChar(kShiftJisCodePage, 0, shiftJis.data(), size, wide.data(), units);
  return wide;
}

std::string FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), size, nullptr, 0, "?", nullptr);
  std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    ::WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), size, narrow.data(), bytes, "?", nullptr);
  return narrow;
}

}  // namespace peruka
