#include "ui/win32/win32_icon.h"

#include <vector>

namespace peruka {

namespace {
HICON applicationIcon = nullptr;
// The version of the icon format the system reads PNG images in.
constexpr DWORD kIconFormatVersion = 0x00030000;
}  // namespace

HICON IconFromPng(std::string_view png) {
  if (png.empty()) return nullptr;
  // The call takes the bits as writable memory.
  std::vector<BYTE> bits(png.begin(), png.end());
  return ::CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), TRUE, kIconFormatVersion, 0,
                                    0, LR_DEFAULTCOLOR);
}

HICON ApplicationIcon() { return applicationIcon; }

void SetApplicationIcon(HICON icon) {
  if (applicationIcon && applicationIcon != icon) ::DestroyIcon(applicationIcon);
  applicationIcon = icon;
}

}  // namespace peruka
