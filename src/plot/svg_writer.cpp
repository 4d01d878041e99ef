#include "plot/svg_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

namespace peruka {

namespace {

class SvgText {
 public:
  std::string& Out() { return out_; }

  SvgText& Raw(std::string_view text) {
    out_.append(text);
    return *this;
  }
  // A number in the shortest form that reads back as the same double; a
  // value that is not finite (never produced by the layout) as 0.
  SvgText& Number(double value) {
    if (!std::isfinite(value)) value = 0.0;
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
    return *this;
  }
  SvgText& Color(Rgb color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(color & 0xFFFFFF));
    out_.append(buffer);
    return *this;
  }
  // Text for element content and attribute values.
  SvgText& Escaped(std::string_view text) {
    for (const char c : text) {
      switch (c) {
        case '&':
          out_.append("&amp;");
          break;
        case '<':
          out_.append("&lt;");
          break;
        case '>':
          out_.append("&gt;");
          break;
        case '"':
          out_.append("&quot;");
          break;
        default:
          // Control characters have no place in XML 1.0 text.
          if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out_.push_back(c);
      }
    }
    return *this;
  }
  SvgText& Attribute(std::string_view name, double value) {
    return Raw(" ").Raw(name).Raw("=\"").Number(value).Raw("\"");
  }
  SvgText& Rect(const DrawingRect& rect) {
    return Attribute("x", rect.left)
        .Attribute("y", rect.top)
        .Attribute("width", rect.width)
        .Attribute("height", rect.height);
  }

 private:
  std::string out_;
};

std::string_view CapName(LineCap cap) {
  switch (cap) {
    case LineCap::kFlat:
      return "butt";
    case LineCap::kSquare:
      return "square";
    case LineCap::kRound:
      return "round";
  }
  return "butt";
}

void Write(SvgText& svg, const FilledRect& item) {
  svg.Raw("<rect").Rect(item.rect).Raw(" fill=\"").Color(item.color).Raw("\"/>\n");
}

void Write(SvgText& svg, const LineSegments& item) {
  if (item.ends.size() < 2) return;
  svg.Raw("<path fill=\"none\" stroke=\"").Color(item.color).Raw("\"").Attribute("stroke-width", item.width);
  svg.Raw(" stroke-linecap=\"").Raw(CapName(item.cap)).Raw("\" shape-rendering=\"crispEdges\" d=\"");
  for (std::size_t i = 0; i + 1 < item.ends.size(); i += 2) {
    svg.Raw("M").Number(item.ends[i].x).Raw(" ").Number(item.ends[i].y);
    svg.Raw("L").Number(item.ends[i + 1].x).Raw(" ").Number(item.ends[i + 1].y);
  }
  svg.Raw("\"/>\n");
}

void Write(SvgText& svg, const StrokedRect& item) {
  svg.Raw("<rect").Rect(item.rect).Raw(" fill=\"none\" stroke=\"").Color(item.color).Raw("\"");
  svg.Attribute("stroke-width", item.width).Raw(" shape-rendering=\"crispEdges\"/>\n");
}

void Write(SvgText& svg, const SmoothPolyline& item) {
  if (item.points.empty()) return;
  svg.Raw("<polyline fill=\"none\" stroke=\"")
      .Color(item.color)
      .Raw("\"")
      .Attribute("stroke-width", item.width);
  svg.Raw(" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"");
  for (std::size_t i = 0; i < item.points.size(); ++i) {
    if (i > 0) svg.Raw(" ");
    svg.Number(item.points[i].x).Raw(",").Number(item.points[i].y);
  }
  svg.Raw("\"/>\n");
}

void Write(SvgText& svg, const Dots& item) {
  if (item.centres.empty()) return;
  svg.Raw("<g fill=\"").Color(item.color).Raw("\">\n");
  for (const DrawingPoint& centre : item.centres)
    svg.Raw("<circle")
        .Attribute("cx", centre.x)
        .Attribute("cy", centre.y)
        .Attribute("r", item.radius)
        .Raw("/>\n");
  svg.Raw("</g>\n");
}

void Write(SvgText& svg, const Squares& item) {
  if (item.squares.empty()) return;
  // One path: a hundred thousand squares stay one element.
  svg.Raw("<path fill=\"").Color(item.color).Raw("\" shape-rendering=\"crispEdges\" d=\"");
  for (const DrawingRect& square : item.squares) {
    svg.Raw("M").Number(square.left).Raw(" ").Number(square.top).Raw("h").Number(square.width);
    svg.Raw("v").Number(square.height).Raw("h").Number(-square.width).Raw("z");
  }
  svg.Raw("\"/>\n");
}

void Write(SvgText& svg, const TextRun& item) {
  if (item.utf8.empty()) return;
  // Blanks are kept as they are: the layout measured them.
  svg.Raw("<text xml:space=\"preserve\"").Attribute("x", item.origin.x).Attribute("y", item.origin.y);
  svg.Attribute("font-size", item.pixelSize).Raw(" fill=\"").Color(item.color).Raw("\">");
  svg.Escaped(item.utf8).Raw("</text>\n");
}

}  // namespace

std::string WriteSvg(const Drawing& drawing) {
  SvgText svg;
  svg.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  svg.Raw("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"");
  svg.Attribute("width", drawing.width).Attribute("height", drawing.height);
  svg.Raw(" viewBox=\"0 0 ").Number(drawing.width).Raw(" ").Number(drawing.height).Raw("\"");
  svg.Raw(" font-family=\"").Escaped(drawing.fontFamily).Raw("\">\n");
  svg.Raw("<title>").Escaped(drawing.title).Raw("</title>\n");
  svg.Raw("<desc>").Escaped(drawing.description).Raw("</desc>\n");
  int clips = 0;
  int open = 0;
  for (const DrawingItem& item : drawing.items) {
    std::visit(
        [&](const auto& primitive) {
          using Item = std::decay_t<decltype(primitive)>;
          if constexpr (std::is_same_v<Item, ClipBegin>) {
            const std::string id = "clip" + std::to_string(++clips);
            svg.Raw("<clipPath id=\"").Raw(id).Raw("\"><rect").Rect(primitive.rect).Raw("/></clipPath>\n");
            svg.Raw("<g clip-path=\"url(#").Raw(id).Raw(")\">\n");
            ++open;
          } else if constexpr (std::is_same_v<Item, ClipEnd>) {
            if (open > 0) {
              svg.Raw("</g>\n");
              --open;
            }
          } else {
            Write(svg, primitive);
          }
        },
        item);
  }
  for (; open > 0; --open) svg.Raw("</g>\n");
  svg.Raw("</svg>\n");
  return std::move(svg.Out());
}

}  // namespace peruka
