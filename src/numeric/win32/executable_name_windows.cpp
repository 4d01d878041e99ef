// The running executable's file name, as the system loaded it (in UTF-8).
#include <windows.h>

#include <string>

#include "numeric/math_error.h"

namespace peruka {

std::string ExecutableFileName() {
  static const std::string name = [] {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (length == 0) return std::string("peruka.exe");
      if (length < path.size()) {
        path.resize(length);
        break;
      }
      path.resize(path.size() * 2);
    }
    const std::wstring file = path.substr(path.find_last_of(L"\\/") + 1);
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, file.data(), static_cast<int>(file.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, file.data(), static_cast<int>(file.size()), utf8.data(), size, nullptr,
                          nullptr);
    return utf8;
  }();
  return name;
}

}  // namespace peruka
