// A picture as a list of drawing primitives, in pixels (x to the right, y
// downwards), in the order they are drawn. Nothing here draws: a backend
// paints the list on the screen or into an image, and the SVG writer turns
// it into a document, so every output shows the same picture.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace peruka {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

struct DrawingPoint {
  double x = 0.0;
  double y = 0.0;
};

struct DrawingRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// How a stroke ends: at the end point, a half width beyond it, or rounded.
enum class LineCap { kFlat, kSquare, kRound };

struct FilledRect {
  DrawingRect rect;
  Rgb color = 0;
};

// Separate straight segments, each from a point to the next one of the
// pair; edges are not smoothed.
struct LineSegments {
  std::vector<DrawingPoint> ends;  // two a segment
  Rgb color = 0;
  double width = 1.0;
  LineCap cap = LineCap::kSquare;
};

// The outline of a rectangle, its stroke centred on the edges, not smoothed.
struct StrokedRect {
  DrawingRect rect;
  Rgb color = 0;
  double width = 1.0;
};

// A smoothed line through the points, with round ends and joins.
struct SmoothPolyline {
  std::vector<DrawingPoint> points;
  Rgb color = 0;
  double width = 1.0;
};

// Smoothed filled circles of one radius.
struct Dots {
  std::vector<DrawingPoint> centres;
  double radius = 1.0;
  Rgb color = 0;
};

// Filled squares on whole pixels, not smoothed.
struct Squares {
  std::vector<DrawingRect> squares;
  Rgb color = 0;
};

// One line of text from its baseline's left end, in the drawing's font.
struct TextRun {
  DrawingPoint origin;
  std::string utf8;
  int pixelSize = 12;
  Rgb color = 0;
};

// Everything up to the matching ClipEnd is drawn only inside the rectangle.
struct ClipBegin {
  DrawingRect rect;
};
struct ClipEnd {};

using DrawingItem = std::variant<FilledRect, LineSegments, StrokedRect, SmoothPolyline, Dots, Squares,
                                 TextRun, ClipBegin, ClipEnd>;

struct Drawing {
  int width = 0;
  int height = 0;
  std::string title;        // UTF-8
  std::string description;  // UTF-8
  std::string fontFamily;   // of every text run
  std::vector<DrawingItem> items;
};

// Text measuring of the drawing's font at a pixel size, from the backend.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double Width(const std::string& utf8, int pixelSize) const = 0;
  virtual double Ascent(int pixelSize) const = 0;
  // The line height: ascent plus descent.
  virtual double Height(int pixelSize) const = 0;
};

}  // namespace peruka
