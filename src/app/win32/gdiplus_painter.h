// A drawing (see plot/drawing.h) painted with GDI+, on a window's device
// context or into a bitmap, its texts in one font family measured the way
// they are drawn. Straight lines and rectangles land on whole pixels as
// given; curves, dots and texts are anti-aliased.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plot/drawing.h"

namespace Gdiplus {
class GpBitmap;
class GpFont;
class GpFontFamily;
class GpGraphics;
class GpStringFormat;
}  // namespace Gdiplus

namespace peruka {

// GDI+ is started for as long as this exists.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool Started() const { return token_ != 0; }

 private:
  std::uintptr_t token_ = 0;
};

// The font of a drawing's texts: one family at any pixel size (the em
// height), measured as PaintDrawing draws it.
class GdiplusFont final : public TextMetrics {
 public:
  // The first of the named families that the system has, else its
  // sans-serif one.
  explicit GdiplusFont(const std::vector<std::wstring>& families);
  ~GdiplusFont() override;
  GdiplusFont(const GdiplusFont&) = delete;
  GdiplusFont& operator=(const GdiplusFont&) = delete;

  double Width(const std::string& utf8, int pixelSize) const override;
  double Ascent(int pixelSize) const override;
  double Height(int pixelSize) const override;
  // The family's name in UTF-8 (empty when there is no font at all).
  std::string FamilyName() const;

  Gdiplus::GpFont* AtPixelSize(int pixelSize) const;
  Gdiplus::GpStringFormat* Format() const { return format_; }

 private:
  Gdiplus::GpFontFamily* family_ = nullptr;
  Gdiplus::GpStringFormat* format_ = nullptr;
  Gdiplus::GpBitmap* scratch_ = nullptr;  // what the measuring graphics draw on
  Gdiplus::GpGraphics* measuring_ = nullptr;
  double ascentPerEm_ = 0.0;
  double heightPerEm_ = 0.0;
  mutable std::map<int, Gdiplus::GpFont*> fonts_;
};

struct GdiplusBitmapDeleter {
  void operator()(Gdiplus::GpBitmap* bitmap) const;
};
using GdiplusBitmap = std::unique_ptr<Gdiplus::GpBitmap, GdiplusBitmapDeleter>;

// UTF-8 to UTF-16 (an invalid sequence becomes U+FFFD).
std::wstring WideFromUtf8(std::string_view utf8);

void PaintDrawing(Gdiplus::GpGraphics* graphics, const Drawing& drawing, const GdiplusFont& font);

// The drawing at its own size, opaque 32-bit ARGB; null when GDI+ fails.
GdiplusBitmap RenderDrawing(const Drawing& drawing, const GdiplusFont& font);

}  // namespace peruka
