#include "app/win32/gdiplus_painter.h"

#include <windows.h>
// windows.h first: GDI+ builds on its types.
#include <gdiplus.h>

#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

namespace peruka {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

namespace {

gp::ARGB ArgbOf(Rgb rgb) { return 0xFF000000u | (rgb & 0xFFFFFFu); }

gp::REAL R(double value) { return static_cast<gp::REAL>(value); }

gp::RectF RectOf(const DrawingRect& r) { return gp::RectF(R(r.left), R(r.top), R(r.width), R(r.height)); }

gp::LineCap CapOf(LineCap cap) {
  switch (cap) {
    case LineCap::kFlat:
      return gp::LineCapFlat;
    case LineCap::kSquare:
      return gp::LineCapSquare;
    case LineCap::kRound:
      return gp::LineCapRound;
  }
  return gp::LineCapFlat;
}

// A solid brush or pen for the length of one primitive.
class Brush {
 public:
  explicit Brush(Rgb color) { flat::GdipCreateSolidFill(ArgbOf(color), &brush_); }
  ~Brush() {
    if (brush_) flat::GdipDeleteBrush(brush_);
  }
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;
  gp::GpBrush* get() const { return brush_; }

 private:
  gp::GpSolidFill* brush_ = nullptr;
};

class Pen {
 public:
  Pen(Rgb color, double width, gp::LineCap cap, gp::LineJoin join) {
    if (flat::GdipCreatePen1(ArgbOf(color), R(width), gp::UnitPixel, &pen_) != gp::Ok) return;
    flat::GdipSetPenLineCap197819(pen_, cap, cap, gp::DashCapFlat);
    flat::GdipSetPenLineJoin(pen_, join);
  }
  ~Pen() {
    if (pen_) flat::GdipDeletePen(pen_);
  }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;
  gp::GpPen* get() const { return pen_; }

 private:
  gp::GpPen* pen_ = nullptr;
};

// A horizontal or vertical stroke as the rectangle it covers (false for any
// other): filled, it lands on the same pixels with every GDI+, where a pen's
// unsmoothed line is rounded differently by different implementations.
bool AxisStroke(const DrawingPoint& a, const DrawingPoint& b, double width, LineCap cap, gp::RectF& covered) {
  if (cap == LineCap::kRound) return false;
  const double half = width / 2;
  const double beyond = cap == LineCap::kSquare ? half : 0.0;
  if (a.y == b.y) {
    const double left = std::min(a.x, b.x) - beyond;
    const double right = std::max(a.x, b.x) + beyond;
    covered = RectOf({left, a.y - half, right - left, width});
    return true;
  }
  if (a.x == b.x) {
    const double top = std::min(a.y, b.y) - beyond;
    const double bottom = std::max(a.y, b.y) + beyond;
    covered = RectOf({a.x - half, top, width, bottom - top});
    return true;
  }
  return false;
}

void Smooth(gp::GpGraphics* graphics, bool on) {
  flat::GdipSetSmoothingMode(graphics, on ? gp::SmoothingModeAntiAlias : gp::SmoothingModeNone);
}

// Pixel centres at half coordinates, as in the drawing; text smoothed.
void Prepare(gp::GpGraphics* graphics) {
  flat::GdipSetPixelOffsetMode(graphics, gp::PixelOffsetModeHalf);
  flat::GdipSetTextRenderingHint(graphics, gp::TextRenderingHintAntiAliasGridFit);
  flat::GdipSetCompositingQuality(graphics, gp::CompositingQualityHighQuality);
}

}  // namespace

GdiplusSession::GdiplusSession() {
  gp::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (gp::GdiplusStartup(&token, &input, nullptr) == gp::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (token_) gp::GdiplusShutdown(token_);
}

void GdiplusBitmapDeleter::operator()(gp::GpBitmap* bitmap) const { flat::GdipDisposeImage(bitmap); }

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

GdiplusFont::GdiplusFont(const std::vector<std::wstring>& families) {
  for (const std::wstring& name : families) {
    if (flat::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family_) == gp::Ok) break;
    family_ = nullptr;
  }
  if (!family_ && flat::GdipGetGenericFontFamilySansSerif(&family_) != gp::Ok) family_ = nullptr;
  gp::GpStringFormat* typographic = nullptr;
  if (flat::GdipStringFormatGetGenericTypographic(&typographic) == gp::Ok &&
      flat::GdipCloneStringFormat(typographic, &format_) == gp::Ok)
    flat::GdipSetStringFormatFlags(format_, gp::StringFormatFlagsMeasureTrailingSpaces |
                                                gp::StringFormatFlagsNoWrap | gp::StringFormatFlagsNoClip);
  if (flat::GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &scratch_) == gp::Ok &&
      flat::GdipGetImageGraphicsContext(scratch_, &measuring_) == gp::Ok)
    Prepare(measuring_);
  if (!family_) return;
  UINT16 em = 0;
  UINT16 ascent = 0;
  UINT16 descent = 0;
  flat::GdipGetEmHeight(family_, gp::FontStyleRegular, &em);
  flat::GdipGetCellAscent(family_, gp::FontStyleRegular, &ascent);
  flat::GdipGetCellDescent(family_, gp::FontStyleRegular, &descent);
  if (em == 0) return;
  ascentPerEm_ = static_cast<double>(ascent) / em;
  heightPerEm_ = static_cast<double>(ascent + descent) / em;
}

GdiplusFont::~GdiplusFont() {
  for (const auto& [size, font] : fonts_) flat::GdipDeleteFont(font);
  if (measuring_) flat::GdipDeleteGraphics(measuring_);
  if (scratch_) flat::GdipDisposeImage(scratch_);
  if (format_) flat::GdipDeleteStringFormat(format_);
  if (family_) flat::GdipDeleteFontFamily(family_);
}

gp::GpFont* GdiplusFont::AtPixelSize(int pixelSize) const {
  if (!family_) return nullptr;
  const auto found = fonts_.find(pixelSize);
  if (found != fonts_.end()) return found->second;
  gp::GpFont* font = nullptr;
  if (flat::GdipCreateFont(family_, static_cast<gp::REAL>(pixelSize), gp::FontStyleRegular, gp::UnitPixel,
                           &font) != gp::Ok)
    font = nullptr;
  fonts_.emplace(pixelSize, font);
  return font;
}

double GdiplusFont::Width(const std::string& utf8, int pixelSize) const {
  gp::GpFont* font = AtPixelSize(pixelSize);
  if (!font || !measuring_ || utf8.empty()) return 0.0;
  const std::wstring text = WideFromUtf8(utf8);
  const gp::RectF layout(0, 0, 1e6f, 1e6f);
  gp::RectF bounds;
  if (flat::GdipMeasureString(measuring_, text.c_str(), static_cast<INT>(text.size()), font, &layout, format_,
                              &bounds, nullptr, nullptr) != gp::Ok)
    return 0.0;
  return bounds.Width;
}

double GdiplusFont::Ascent(int pixelSize) const { return ascentPerEm_ * pixelSize; }

double GdiplusFont::Height(int pixelSize) const { return heightPerEm_ * pixelSize; }

std::string GdiplusFont::FamilyName() const {
  WCHAR name[LF_FACESIZE] = {};
  if (!family_ || flat::GdipGetFamilyName(family_, name, LANG_NEUTRAL) != gp::Ok) return {};
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, name, -1, utf8.data(), length, nullptr, nullptr);
  utf8.pop_back();  // the terminating null
  return utf8;
}

void PaintDrawing(gp::GpGraphics* graphics, const Drawing& drawing, const GdiplusFont& font) {
  Prepare(graphics);
  std::vector<gp::GraphicsState> clips;
  for (const DrawingItem& item : drawing.items) {
    std::visit(
        [&](const auto& primitive) {
          using Item = std::decay_t<decltype(primitive)>;
          if constexpr (std::is_same_v<Item, FilledRect>) {
            Smooth(graphics, false);
            const gp::RectF r = RectOf(primitive.rect);
            flat::GdipFillRectangle(graphics, Brush(primitive.color).get(), r.X, r.Y, r.Width, r.Height);
          } else if constexpr (std::is_same_v<Item, LineSegments>) {
            Smooth(graphics, false);
            const Brush brush(primitive.color);
            const gp::LineCap cap = CapOf(primitive.cap);
            const Pen pen(primitive.color, primitive.width, cap, gp::LineJoinMiter);
            for (std::size_t i = 0; i + 1 < primitive.ends.size(); i += 2) {
              const DrawingPoint& a = primitive.ends[i];
              const DrawingPoint& b = primitive.ends[i + 1];
              gp::RectF covered;
              if (AxisStroke(a, b, primitive.width, primitive.cap, covered))
                flat::GdipFillRectangle(graphics, brush.get(), covered.X, covered.Y, covered.Width,
                                        covered.Height);
              else
                flat::GdipDrawLine(graphics, pen.get(), R(a.x), R(a.y), R(b.x), R(b.y));
            }
          } else if constexpr (std::is_same_v<Item, StrokedRect>) {
            Smooth(graphics, false);
            const Brush brush(primitive.color);
            const DrawingRect& r = primitive.rect;
            const double w = primitive.width;
            const double h = w / 2;
            // The four edges, each centred on the rectangle's edge.
            const gp::RectF edges[4] = {
                RectOf({r.left - h, r.top - h, r.width + w, w}),
                RectOf({r.left - h, r.top + r.height - h, r.width + w, w}),
                RectOf({r.left - h, r.top + h, w, r.height - w}),
                RectOf({r.left + r.width - h, r.top + h, w, r.height - w}),
            };
            flat::GdipFillRectangles(graphics, brush.get(), edges, 4);
          } else if constexpr (std::is_same_v<Item, SmoothPolyline>) {
            if (primitive.points.size() < 2) return;
            std::vector<gp::PointF> points;
            points.reserve(primitive.points.size());
            for (const DrawingPoint& point : primitive.points) points.emplace_back(R(point.x), R(point.y));
            Smooth(graphics, true);
            const Pen pen(primitive.color, primitive.width, gp::LineCapRound, gp::LineJoinRound);
            flat::GdipDrawLines(graphics, pen.get(), points.data(), static_cast<INT>(points.size()));
          } else if constexpr (std::is_same_v<Item, Dots>) {
            Smooth(graphics, true);
            const Brush brush(primitive.color);
            const gp::REAL r = R(primitive.radius);
            for (const DrawingPoint& centre : primitive.centres)
              flat::GdipFillEllipse(graphics, brush.get(), R(centre.x) - r, R(centre.y) - r, 2 * r, 2 * r);
          } else if constexpr (std::is_same_v<Item, Squares>) {
            if (primitive.squares.empty()) return;
            std::vector<gp::RectF> squares;
            squares.reserve(primitive.squares.size());
            for (const DrawingRect& square : primitive.squares) squares.push_back(RectOf(square));
            Smooth(graphics, false);
            flat::GdipFillRectangles(graphics, Brush(primitive.color).get(), squares.data(),
                                     static_cast<INT>(squares.size()));
          } else if constexpr (std::is_same_v<Item, TextRun>) {
            gp::GpFont* runFont = font.AtPixelSize(primitive.pixelSize);
            if (!runFont || primitive.utf8.empty()) return;
            const std::wstring text = WideFromUtf8(primitive.utf8);
            // The layout box's top is the baseline less the ascent.
            const gp::RectF box(R(primitive.origin.x),
                                R(primitive.origin.y - font.Ascent(primitive.pixelSize)), 1e6f, 1e6f);
            flat::GdipDrawString(graphics, text.c_str(), static_cast<INT>(text.size()), runFont, &box,
                                 font.Format(), Brush(primitive.color).get());
          } else if constexpr (std::is_same_v<Item, ClipBegin>) {
            gp::GraphicsState state = 0;
            flat::GdipSaveGraphics(graphics, &state);
            clips.push_back(state);
            const gp::RectF r = RectOf(primitive.rect);
            flat::GdipSetClipRect(graphics, r.X, r.Y, r.Width, r.Height, gp::CombineModeIntersect);
          } else if constexpr (std::is_same_v<Item, ClipEnd>) {
            if (clips.empty()) return;
            flat::GdipRestoreGraphics(graphics, clips.back());
            clips.pop_back();
            Prepare(graphics);
          }
        },
        item);
  }
  while (!clips.empty()) {
    flat::GdipRestoreGraphics(graphics, clips.back());
    clips.pop_back();
  }
}

GdiplusBitmap RenderDrawing(const Drawing& drawing, const GdiplusFont& font) {
  if (drawing.width <= 0 || drawing.height <= 0) return nullptr;
  gp::GpBitmap* raw = nullptr;
  if (flat::GdipCreateBitmapFromScan0(drawing.width, drawing.height, 0, PixelFormat32bppARGB, nullptr,
                                      &raw) != gp::Ok)
    return nullptr;
  GdiplusBitmap bitmap(raw);
  gp::GpGraphics* graphics = nullptr;
  if (flat::GdipGetImageGraphicsContext(raw, &graphics) != gp::Ok) return nullptr;
  // Opaque white first, whatever the drawing's background.
  flat::GdipGraphicsClear(graphics, 0xFFFFFFFFu);
  PaintDrawing(graphics, drawing, font);
  flat::GdipDeleteGraphics(graphics);
  return bitmap;
}

}  // namespace peruka
