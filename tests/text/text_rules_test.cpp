// The text rules with one owner each: the two line rules side by side, the
// accelerator rule, cutting Shift-JIS and the byte order mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/accelerator.h"
#include "text/byte_order_mark.h"
#include "text/lines.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

struct LinesCase {
  const char* name;
  std::string text;
  std::vector<std::string> fileLines;    // ForEachLine
  std::vector<std::string> windowLines;  // ForEachTextLine
};
void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

class LineRulesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(LineRulesTest, FilesBreakAtLfAndTheWindowAtCrLfCrOrLf) {
  const LinesCase& c = GetParam();
  std::vector<std::string> file;
  EXPECT_EQ(ForEachLine(c.text, [&](std::string_view line) { return file.emplace_back(line), true; }),
            c.fileLines.size());
  EXPECT_EQ(file, c.fileLines);
  std::vector<std::string> window;
  ForEachTextLine(c.text, [&](std::string_view line) { return window.emplace_back(line), true; });
  EXPECT_EQ(window, c.windowLines);
  // The same in UTF-16 code units.
  const std::u16string wide(c.text.begin(), c.text.end());
  std::vector<std::string> wideLines;
  ForEachTextLine(std::u16string_view(wide), [&](std::u16string_view line) {
    return wideLines.emplace_back(line.begin(), line.end()), true;
  });
  EXPECT_EQ(wideLines, c.windowLines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineRulesTest,
    ::testing::Values(LinesCase{"Empty", "", {}, {}}, LinesCase{"OneBreak", "\n", {""}, {""}},
                      LinesCase{"FinalBreak", "1\r\n2\r\n", {"1", "2"}, {"1", "2"}},
                      LinesCase{"NoFinalBreak", "1\n2", {"1", "2"}, {"1", "2"}},
                      LinesCase{"EmptyLineInside", "1\n\n2\n", {"1", "", "2"}, {"1", "", "2"}},
                      LinesCase{"LoneCr", "1\r2\r", {"1\r2\r"}, {"1", "2"}},
                      LinesCase{"CrBeforeCrLf", "1\r\r\n2", {"1\r", "2"}, {"1", "", "2"}},
                      LinesCase{"LfCr", "1\n\r2", {"1", "\r2"}, {"1", "", "2"}}),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(AcceleratorRule, DoubledAmpersandIsOneAndAnyOtherMarksTheNextCharacter) {
  const struct {
    std::string caption, drawn, command;
    std::vector<std::size_t> marks;
  } cases[] = {
      {"&Save", "Save", "Save", {0}},
      {"A&&B", "A&B", "A&B", {}},
      {"&&&x", "&x", "&x", {1}},
      {"end&", "end", "end", {}},
      {"PNG (&P)...", "PNG (P)...", "PNG ...", {5}},
      {"\x83\x52\x83\x73\x81\x5B(&C)", "\x83\x52\x83\x73\x81\x5B(C)", "\x83\x52\x83\x73\x81\x5B", {7}},
      {"(&)", "()", "()", {1}},
  };
  for (const auto& c : cases) {
    std::vector<std::size_t> marks;
    EXPECT_EQ(WithoutAccelerators<char>(c.caption, &marks), c.drawn) << c.caption;
    EXPECT_EQ(marks, c.marks) << c.caption;
    EXPECT_EQ(CommandName<char>(c.caption), c.command) << c.caption;
  }
}

TEST(ShiftJisCut, NeverSplitsADoubleByteCharacter) {
  const std::string text = "a\x83\x52\xE0\x40z";  // a, コ, a level-2 kanji, z
  const std::size_t expected[] = {0, 1, 1, 3, 3, 5, 6, 6};
  for (std::size_t limit = 0; limit < std::size(expected); ++limit)
    EXPECT_EQ(CutShiftJis(text, limit), text.substr(0, expected[limit])) << limit;
  EXPECT_TRUE(IsShiftJisLeadByte(0x81));
  EXPECT_TRUE(IsShiftJisLeadByte(0xFC));
  EXPECT_FALSE(IsShiftJisLeadByte(0x80));
  EXPECT_FALSE(IsShiftJisLeadByte(0xA0));
  EXPECT_FALSE(IsShiftJisLeadByte(0xDF));
  EXPECT_FALSE(IsShiftJisLeadByte(0xFD));
}

TEST(ByteOrderMark, OnlyALeadingMarkGoes) {
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF"
                                 "1\t2"),
            "1\t2");
  EXPECT_EQ(WithoutByteOrderMark("1\xEF\xBB\xBF"), "1\xEF\xBB\xBF");
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
}  // namespace peruka
