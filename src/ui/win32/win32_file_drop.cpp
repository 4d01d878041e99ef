#include "ui/win32/win32_file_drop.h"

#include <string>
#include <vector>

#include "ui/event_guard.h"
#include "ui/file_drop.h"
#include "ui/form.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

// The file's bytes whole; false when it cannot be read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool read = true;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      read = false;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  ::CloseHandle(file);
  return read;
}

DroppedFile ReadDroppedFile(const std::wstring& path) {
  DroppedFile file;
  file.name = FromWide(path);
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return file;
  file.read = true;
  file.text = DecodedFileText(bytes);
  return file;
}

}  // namespace

void HandleDroppedFiles(NativeWidget& form, HDROP drop) {
  std::vector<std::wstring> paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
    paths.push_back(std::move(path));
  }
  ::DragFinish(drop);
  if (!form.dropHandler) return;
  const auto handler = form.dropHandler;
  DispatchEvent([&] {
    for (const std::wstring& path : paths)
      if (!handler(ReadDroppedFile(path))) break;
  });
}

void AcceptFileDrops(TForm& form, std::function<bool(const DroppedFile&)> handler) {
  NativeWidget& native = *form.Native();
  native.dropHandler = std::move(handler);
  // Files dropped on the form's controls reach the form's window too: the
  // system looks for the window that takes them from the control upwards.
  ::DragAcceptFiles(native.window, TRUE);
}

}  // namespace peruka
