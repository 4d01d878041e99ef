// The SVG document of a drawing: each primitive's element, numbers that read
// back exactly, escaped texts and balanced clip groups.
#include "plot/svg_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace peruka {
namespace {

struct SvgCase {
  const char* name;
  std::vector<DrawingItem> items;
  const char* body;  // what follows the <desc> line
};
void PrintTo(const SvgCase& c, std::ostream* os) { *os << c.name; }

class SvgWriterTest : public ::testing::TestWithParam<SvgCase> {};

TEST_P(SvgWriterTest, WritesEachPrimitiveAsItsElement) {
  const SvgCase& c = GetParam();
  Drawing drawing{40, 30, "A & B", "<R²>", "Font \"X\"", c.items};
  const std::string svg = WriteSvg(drawing);
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"40\" height=\"30\" viewBox=\"0 0 40 "
      "30\" font-family=\"Font &quot;X&quot;\">\n"
      "<title>A &amp; B</title>\n"
      "<desc>&lt;R²&gt;</desc>\n";
  ASSERT_EQ(svg.substr(0, head.size()), head);
  EXPECT_EQ(svg.substr(head.size()), std::string(c.body) + "</svg>\n");
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Primitives, SvgWriterTest,
    ::testing::Values(
        SvgCase{"Nothing", {}, ""},
        SvgCase{"FilledRect",
                {FilledRect{{0, 0, 40, 30}, 0xFFFFFF}},
                "<rect x=\"0\" y=\"0\" width=\"40\" height=\"30\" fill=\"#ffffff\"/>\n"},
        SvgCase{"SegmentsWithExactNumbers",
                {LineSegments{{{0.1, -0.0}, {1e-7, 2.5}, {3, 4}}, 0x1F5FBF, 2.0, LineCap::kFlat}},
                "<path fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\" stroke-linecap=\"butt\" "
                "shape-rendering=\"crispEdges\" d=\"M0.1 0L1e-07 2.5\"/>\n"},
        SvgCase{"OutlineAndNotANumber",
                {StrokedRect{{0.5, kNaN, 9, 8}, 0x505050, 1.0}},
                "<rect x=\"0.5\" y=\"0\" width=\"9\" height=\"8\" fill=\"none\" stroke=\"#505050\" "
                "stroke-width=\"1\" shape-rendering=\"crispEdges\"/>\n"},
        SvgCase{"Polyline",
                {SmoothPolyline{{{1, 2}, {3, 4.25}}, 0x000001, 2.0}},
                "<polyline fill=\"none\" stroke=\"#000001\" stroke-width=\"2\" stroke-linecap=\"round\" "
                "stroke-linejoin=\"round\" points=\"1,2 3,4.25\"/>\n"},
        SvgCase{"DotsAndSquares",
                {Dots{{{5, 6}}, 3.0, 0xD04010}, Squares{{{2, 4, 2, 2}, {4, 4, 2, 2}}, 0xD04010}},
                "<g fill=\"#d04010\">\n<circle cx=\"5\" cy=\"6\" r=\"3\"/>\n</g>\n"
                "<path fill=\"#d04010\" shape-rendering=\"crispEdges\" d=\"M2 4h2v2h-2zM4 4h2v2h-2z\"/>\n"},
        SvgCase{"TextEscapedWithBlanksKept",
                {TextRun{{1, 12}, "a < b &  \"c\"\x01", 12, 0x202020}, TextRun{{0, 0}, "", 12, 0}},
                "<text xml:space=\"preserve\" x=\"1\" y=\"12\" font-size=\"12\" fill=\"#202020\">"
                "a &lt; b &amp;  &quot;c&quot;</text>\n"},
        SvgCase{"ClipsNestedAndClosed",
                {ClipBegin{{1, 2, 3, 4}}, ClipBegin{{0, 0, 1, 1}}, ClipEnd{}, ClipEnd{}, ClipEnd{},
                 ClipBegin{{5, 5, 5, 5}}},
                "<clipPath id=\"clip1\"><rect x=\"1\" y=\"2\" width=\"3\" height=\"4\"/></clipPath>\n"
                "<g clip-path=\"url(#clip1)\">\n"
                "<clipPath id=\"clip2\"><rect x=\"0\" y=\"0\" width=\"1\" height=\"1\"/></clipPath>\n"
                "<g clip-path=\"url(#clip2)\">\n</g>\n</g>\n"
                "<clipPath id=\"clip3\"><rect x=\"5\" y=\"5\" width=\"5\" height=\"5\"/></clipPath>\n"
                "<g clip-path=\"url(#clip3)\">\n</g>\n"}),
    [](const ::testing::TestParamInfo<SvgCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace peruka
