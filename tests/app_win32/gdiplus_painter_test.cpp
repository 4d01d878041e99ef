// The GDI+ painter: where each kind of primitive lands on the pixel grid
// (pixel centres at half coordinates, as in the drawing and in SVG), that
// clipping ends where the drawing says, that curves and dots are smoothed
// and rectangles are not, that texts are measured as they are drawn, and the
// PNG and clipboard forms of the rendering.
#include "app/win32/gdiplus_painter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/win32/gdiplus_image.h"
#include "ui/win32/win32_api.h"
// GDI+ builds on windows.h.
#include <gdiplus.h>

namespace peruka {
namespace {

namespace flat = Gdiplus::DllExports;

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kBlack = 0x000000;

class GdiplusPainterTest : public ::testing::Test {
 protected:
  static Rgb PixelAt(const GdiplusBitmap& bitmap, int x, int y) {
    Gdiplus::ARGB argb = 0;
    flat::GdipBitmapGetPixel(bitmap.get(), x, y, &argb);
    return argb & 0xFFFFFF;
  }

  GdiplusSession session_;
  // The metric twin of the program's Japanese font that wine is given (the
  // painter's own choice needs the prefix's font replacements).
  GdiplusFont font_{{L"IPAPGothic"}};
};

// A 24 x 24 drawing of one primitive of each straight kind.
Drawing GridDrawing() {
  Drawing drawing;
  drawing.width = 24;
  drawing.height = 24;
  drawing.items.emplace_back(FilledRect{{0, 0, 24, 24}, kWhite});
  drawing.items.emplace_back(FilledRect{{2, 2, 4, 4}, kRed});
  drawing.items.emplace_back(LineSegments{{{0, 10.5}, {24, 10.5}}, kBlue, 1.0, LineCap::kFlat});
  drawing.items.emplace_back(ClipBegin{{14, 0, 6, 8}});
  drawing.items.emplace_back(FilledRect{{10, 0, 14, 8}, kGreen});
  drawing.items.emplace_back(ClipEnd{});
  drawing.items.emplace_back(FilledRect{{0, 16, 4, 4}, kBlack});
  drawing.items.emplace_back(StrokedRect{{8.5, 14.5, 6, 6}, kRed, 1.0});
  drawing.items.emplace_back(Squares{{{18, 18, 2, 2}}, kBlue});
  return drawing;
}

TEST_F(GdiplusPainterTest, PutsStraightPrimitivesOnWholePixels) {
  ASSERT_TRUE(session_.Started());
  const GdiplusBitmap bitmap = RenderDrawing(GridDrawing(), font_);
  ASSERT_TRUE(bitmap);
  struct Probe {
    int x, y;
    Rgb expected;
    const char* what;
  };
  const Probe probes[] = {
      {2, 2, kRed, "filled rectangle, first pixel"},
      {5, 5, kRed, "filled rectangle, last pixel"},
      {6, 3, kWhite, "right of the filled rectangle"},
      {1, 3, kWhite, "left of the filled rectangle"},
      {7, 10, kBlue, "one-pixel line at y 10.5"},
      {7, 9, kWhite, "above the line"},
      {7, 11, kWhite, "below the line"},
      {14, 4, kGreen, "inside the clip"},
      {19, 7, kGreen, "inside the clip, last pixel"},
      {13, 4, kWhite, "left of the clip"},
      {20, 4, kWhite, "right of the clip"},
      {16, 8, kWhite, "below the clip"},
      {1, 17, kBlack, "drawn after the clip ended"},
      {8, 14, kRed, "stroked rectangle, corner"},
      {14, 20, kRed, "stroked rectangle, far corner"},
      {11, 17, kWhite, "inside the stroked rectangle"},
      {18, 18, kBlue, "square"},
      {20, 20, kWhite, "beyond the square"},
  };
  for (const Probe& probe : probes)
    EXPECT_EQ(PixelAt(bitmap, probe.x, probe.y), probe.expected)
        << probe.what << " at (" << probe.x << ", " << probe.y << ")";
}

// Where they land only: wine's GDI+ draws them without smoothing.
TEST_F(GdiplusPainterTest, DrawsDotsAndCurvesOverTheirPoints) {
  Drawing drawing;
  drawing.width = 40;
  drawing.height = 20;
  drawing.items.emplace_back(FilledRect{{0, 0, 40, 20}, kWhite});
  drawing.items.emplace_back(Dots{{{10, 10}}, 4.0, kBlack});
  drawing.items.emplace_back(SmoothPolyline{{{22, 2}, {38, 18}}, kBlack, 2.0});
  const GdiplusBitmap bitmap = RenderDrawing(drawing, font_);
  ASSERT_TRUE(bitmap);
  struct Probe {
    int x, y;
    bool inked;
    const char* what;
  };
  const Probe probes[] = {
      {9, 9, true, "dot, centre"},       {7, 9, true, "dot, inside its radius"},
      {10, 15, false, "below the dot"},  {15, 10, false, "right of the dot"},
      {29, 9, true, "curve, middle"},    {35, 4, false, "off the curve"},
      {23, 3, true, "curve, first end"}, {20, 2, false, "before the curve's start"},
  };
  for (const Probe& probe : probes)
    EXPECT_EQ(PixelAt(bitmap, probe.x, probe.y) != kWhite, probe.inked)
        << probe.what << " at (" << probe.x << ", " << probe.y << ")";
}

TEST_F(GdiplusPainterTest, MeasuresTextsAsItDrawsThem) {
  ASSERT_FALSE(font_.FamilyName().empty());
  const double one = font_.Width("0", 20);
  EXPECT_GT(one, 5.0);
  EXPECT_NEAR(font_.Width("00", 20), 2 * one, 0.5);
  EXPECT_NEAR(font_.Width("0 ", 20) - one, font_.Width(" ", 20), 0.5) << "a trailing blank counts";
  EXPECT_GT(font_.Ascent(20), 10.0);
  EXPECT_GT(font_.Height(20), font_.Ascent(20));

  Drawing drawing;
  drawing.width = 100;
  drawing.height = 40;
  drawing.items.emplace_back(FilledRect{{0, 0, 100, 40}, kWhite});
  drawing.items.emplace_back(TextRun{{10, 30}, "0000", 20, kBlack});
  const GdiplusBitmap bitmap = RenderDrawing(drawing, font_);
  ASSERT_TRUE(bitmap);
  // Ink only between the origin and the measured width, above the baseline.
  int left = 100, right = -1, top = 40, bottom = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      if (PixelAt(bitmap, x, y) != kWhite) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0) << "no text drawn";
  EXPECT_GE(left, 9);
  EXPECT_LE(right, 10 + font_.Width("0000", 20) + 1);
  EXPECT_LE(bottom, 30);
  EXPECT_GE(top, 30 - font_.Ascent(20) - 1);
}

TEST_F(GdiplusPainterTest, EncodesAPngAndABottomUpDib) {
  const GdiplusBitmap bitmap = RenderDrawing(GridDrawing(), font_);
  ASSERT_TRUE(bitmap);
  const std::string png = EncodePng(bitmap.get());
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

  const std::string dib = DibOf(bitmap.get());
  BITMAPINFOHEADER header{};
  ASSERT_GE(dib.size(), sizeof header);
  std::memcpy(&header, dib.data(), sizeof header);
  EXPECT_EQ(header.biWidth, 24);
  EXPECT_EQ(header.biHeight, 24);
  EXPECT_EQ(header.biBitCount, 24);
  const std::size_t row = 24 * 3;  // already a multiple of 4
  ASSERT_EQ(dib.size(), sizeof header + 24 * row);
  // Image row 17 (the black square) is DIB row 24 - 1 - 17; pixels are B, G, R.
  const auto pixel = [&](int x, int imageRow) {
    const auto* p =
        reinterpret_cast<const unsigned char*>(dib.data() + sizeof header + (23 - imageRow) * row + x * 3);
    return static_cast<Rgb>(p[2] << 16 | p[1] << 8 | p[0]);
  };
  EXPECT_EQ(pixel(1, 17), kBlack);
  EXPECT_EQ(pixel(3, 3), kRed);
  EXPECT_EQ(pixel(15, 4), kGreen);
}

// The copy command's clipboard: the DIB as made, and the other bitmap forms
// the system offers from it.
TEST_F(GdiplusPainterTest, PutsTheDibOnTheClipboard) {
  const GdiplusBitmap bitmap = RenderDrawing(GridDrawing(), font_);
  ASSERT_TRUE(bitmap);
  ASSERT_TRUE(PutBitmapOnClipboard(nullptr, bitmap.get()));
  ASSERT_TRUE(::OpenClipboard(nullptr));
  std::string held;
  if (HANDLE data = ::GetClipboardData(CF_DIB)) {
    if (const void* bytes = ::GlobalLock(data)) {
      held.assign(static_cast<const char*>(bytes), ::GlobalSize(data));
      ::GlobalUnlock(data);
    }
  }
  const bool bitmapOffered = ::IsClipboardFormatAvailable(CF_BITMAP);
  ::CloseClipboard();
  const std::string dib = DibOf(bitmap.get());
  ASSERT_GE(held.size(), dib.size());
  EXPECT_EQ(held.substr(0, dib.size()), dib);
  EXPECT_TRUE(bitmapOffered);
}

}  // namespace
}  // namespace peruka
