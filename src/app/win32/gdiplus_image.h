// A GDI+ bitmap out of the program: as the bytes of a PNG file, and on the
// clipboard as a device-independent bitmap (from which the system offers
// the other bitmap formats).
#pragma once

#include <string>

struct HWND__;

namespace Gdiplus {
class GpBitmap;
}  // namespace Gdiplus

namespace peruka {

// The PNG file's bytes; empty when GDI+ cannot encode it.
std::string EncodePng(Gdiplus::GpBitmap* bitmap);

// The bitmap's pixels as a CF_DIB: a BITMAPINFOHEADER and 24-bit rows,
// bottom row first; empty for an empty bitmap.
std::string DibOf(Gdiplus::GpBitmap* bitmap);

// Replaces the clipboard's contents by the bitmap; false when the
// clipboard cannot be opened.
bool PutBitmapOnClipboard(HWND__* owner, Gdiplus::GpBitmap* bitmap);

}  // namespace peruka
