#include <algorithm>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/save_file.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

std::wstring Ascii(std::string_view text) { return std::wstring(text.begin(), text.end()); }

// "description (*.tsv)", then the pattern, each ended by a zero, and one
// zero more.
std::wstring FilterOf(const SaveFileType& type) {
  const std::wstring pattern = L"*." + Ascii(type.suffix);
  std::wstring filter = ToWide(type.description) + L" (" + pattern + L")";
  filter += L'\0';
  filter += pattern;
  filter += L'\0';
  filter += L'\0';
  return filter;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  while (!bytes.empty() && written) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD put = 0;
    written = ::WriteFile(file, bytes.data(), chunk, &put, nullptr) && put == chunk;
    bytes.remove_prefix(chunk);
  }
  written = ::CloseHandle(file) && written;
  if (!written) ::DeleteFileW(path.c_str());
  return written;
}

}  // namespace

SaveOutcome SaveToChosenFile(const TForm& owner, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name) {
  NativeWidget& native = *owner.Native();
  const std::wstring filter = FilterOf(type);
  const std::wstring title = ToWide(caption);
  const std::wstring suffix = Ascii(type.suffix);
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring suggested = Ascii(type.suggestedName);
  suggested.copy(file.data(), file.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = native.window;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  // The folder last saved to from this window in this run; else the
  // system's choice (the user's usual folder).
  dialog.lpstrInitialDir = native.lastSaveFolder.empty() ? nullptr : native.lastSaveFolder.c_str();
  dialog.lpstrTitle = title.c_str();
  // A name without a suffix gets the type's.
  dialog.lpstrDefExt = suffix.empty() ? nullptr : suffix.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!::GetSaveFileNameW(&dialog)) return SaveOutcome::kCancelled;

  const std::wstring path(file.data());
  if (WriteWholeFile(path, bytes)) {
    native.lastSaveFolder = FolderOf(path);
    return SaveOutcome::kWritten;
  }
  name = FromWide(path);
  return SaveOutcome::kFailed;
}

}  // namespace peruka
