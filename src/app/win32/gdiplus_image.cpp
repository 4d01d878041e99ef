#include "app/win32/gdiplus_image.h"

#include <windows.h>
// windows.h first: GDI+ and COM build on its types.
#include <gdiplus.h>
#include <objbase.h>

#include <cstring>
#include <vector>

namespace peruka {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

namespace {

bool PngEncoder(CLSID& clsid) {
  UINT count = 0;
  UINT size = 0;
  if (flat::GdipGetImageEncodersSize(&count, &size) != gp::Ok || size == 0) return false;
  std::vector<unsigned char> storage(size);
  auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(storage.data());
  if (flat::GdipGetImageEncoders(count, size, codecs) != gp::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string EncodePng(gp::GpBitmap* bitmap) {
  CLSID png;
  if (!bitmap || !PngEncoder(png)) return {};
  IStream* stream = nullptr;
  if (::CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK) return {};
  std::string bytes;
  HGLOBAL memory = nullptr;
  if (flat::GdipSaveImageToStream(bitmap, stream, &png, nullptr) == gp::Ok &&
      ::GetHGlobalFromStream(stream, &memory) == S_OK) {
    STATSTG stat{};
    if (stream->Stat(&stat, STATFLAG_NONAME) == S_OK) {
      const auto* data = static_cast<const char*>(::GlobalLock(memory));
      if (data) {
        bytes.assign(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
        ::GlobalUnlock(memory);
      }
    }
  }
  stream->Release();
  return bytes;
}

std::string DibOf(gp::GpBitmap* bitmap) {
  UINT width = 0;
  UINT height = 0;
  if (!bitmap || flat::GdipGetImageWidth(bitmap, &width) != gp::Ok ||
      flat::GdipGetImageHeight(bitmap, &height) != gp::Ok || width == 0 || height == 0)
    return {};
  const gp::Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  gp::BitmapData locked{};
  if (flat::GdipBitmapLockBits(bitmap, &whole, gp::ImageLockModeRead, PixelFormat24bppRGB, &locked) != gp::Ok)
    return {};
  const std::size_t rowBytes = (width * 3 + 3) / 4 * 4;  // DIB rows end on 32 bits
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = static_cast<LONG>(width);
  header.biHeight = static_cast<LONG>(height);  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rowBytes * height);
  std::string dib(sizeof header + rowBytes * height, '\0');
  std::memcpy(dib.data(), &header, sizeof header);
  const auto* source = static_cast<const unsigned char*>(locked.Scan0);
  for (UINT row = 0; row < height; ++row) {
    const unsigned char* line = source + static_cast<std::ptrdiff_t>(row) * locked.Stride;
    std::memcpy(dib.data() + sizeof header + (height - 1 - row) * rowBytes, line, width * 3);
  }
  flat::GdipBitmapUnlockBits(bitmap, &locked);
  return dib;
}

bool PutBitmapOnClipboard(HWND owner, gp::GpBitmap* bitmap) {
  const std::string dib = DibOf(bitmap);
  if (dib.empty()) return false;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, dib.size());
  if (!memory) return false;
  void* target = ::GlobalLock(memory);
  if (!target) {
    ::GlobalFree(memory);
    return false;
  }
  std::memcpy(target, dib.data(), dib.size());
  ::GlobalUnlock(memory);
  if (!::OpenClipboard(owner)) {
    ::GlobalFree(memory);
    return false;
  }
  ::EmptyClipboard();
  const bool put = ::SetClipboardData(CF_DIB, memory) != nullptr;
  ::CloseClipboard();
  if (!put) ::GlobalFree(memory);
  return put;
}

}  // namespace peruka
