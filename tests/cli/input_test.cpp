// Reading inputs, converting them and cutting them into column lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/input_text.h"
#include "cli/pairs.h"
#include "column_lines.h"
#include "command_runner.h"

namespace peruka::testing {
namespace {

using cli::SplitPairs;
using cli::ToColumnText;
using peruka::PairSeparator;

struct PairsSplitCase {
  std::string text;
  char mark;
  std::size_t badLine;
  std::vector<std::string> x;
  std::vector<std::string> y;
};

void PrintTo(const PairsSplitCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.text) << " mark '" << c.mark << "'";
}

// Rows are named by their place in the table, the same in every build.
std::string RowName(const ::testing::TestParamInfo<PairsSplitCase>& info) {
  return "Row" + std::to_string(info.index);
}

class PairsSplit : public ::testing::TestWithParam<PairsSplitCase> {};

TEST_P(PairsSplit, CutsEachLineAtItsFirstSeparator) {
  const PairsSplitCase& c = GetParam();
  Column x;
  Column y;
  EXPECT_EQ(SplitPairs(c.text, c.mark, x, y), c.badLine);
  EXPECT_EQ(AllLines(x), c.x);
  EXPECT_EQ(AllLines(y), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairsSplit,
    ::testing::Values(PairsSplitCase{"", '.', 0, {}, {}},
                      PairsSplitCase{"1\t2\n3,4\r\n", '.', 0, {"1", "3"}, {"2", "4"}},
                      PairsSplitCase{"1,5\t2,5\n", '.', 0, {"1,5"}, {"2,5"}},
                      PairsSplitCase{"1\t2\t3\n", '.', 0, {"1"}, {"2\t3"}},
                      PairsSplitCase{"\t\n,\n", '.', 0, {"", ""}, {"", ""}},
                      PairsSplitCase{"1\t2\n3 4\n5\t6\n", '.', 2, {"1"}, {"2"}},
                      PairsSplitCase{"1\t2\n\n", '.', 2, {"1"}, {"2"}},
                      PairsSplitCase{"1,5\t2\n1,5\n", ',', 2, {"1,5"}, {"2"}},
                      PairsSplitCase{
                          std::string("\0\t\0\n", 4), '.', 0, {std::string(1, '\0')}, {std::string(1, '\0')}},
                      PairsSplitCase{"1\t2\r", '.', 0, {"1"}, {"2\r"}}),
    RowName);

TEST(PairSeparator, TabFirstThenCommaUnlessTheMarkIsAComma) {
  EXPECT_EQ(PairSeparator("1,5\t2", '.'), 3u);
  EXPECT_EQ(PairSeparator("1,5,2", '.'), 1u);
  EXPECT_EQ(PairSeparator("1,5,2", ','), std::string_view::npos);
  EXPECT_EQ(PairSeparator("1 2", '.'), std::string_view::npos);
  EXPECT_EQ(PairSeparator("", '.'), std::string_view::npos);
}

struct ConversionCase {
  std::string input;
  bool shiftJis;
  std::string columnText;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.input) << (c.shiftJis ? " as Shift-JIS" : " as UTF-8");
}

std::string ConversionRowName(const ::testing::TestParamInfo<ConversionCase>& info) {
  return "Row" + std::to_string(info.index);
}

class ColumnTextConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ColumnTextConversion, GivesShiftJisBytes) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(ToColumnText(c.input, c.shiftJis), c.columnText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnTextConversion,
    ::testing::Values(ConversionCase{"1.5\t2\n", false, "1.5\t2\n"},
                      ConversionCase{"１\n", false, "\x82\x50\n"},   // full-width digit
                      ConversionCase{"ｴﾗｰ", false, "\xB4\xD7\xB0"},  // half-width katakana
                      ConversionCase{"€1\n", false, "?1\n"},         // no Shift-JIS form
                      ConversionCase{"1\xFF\n", false, "1?\n"},      // malformed UTF-8
                      ConversionCase{"\xE3\x81\n", false, "??\n"},   // cut short before the LF
                      ConversionCase{"\xEF\xBB\xBF"
                                     "1\n",
                                     false, "1\n"},                      // byte-order mark
                      ConversionCase{"1\xEF\xBB\xBF\n", false, "1?\n"},  // only at the start
                      ConversionCase{"\xEF\xBB\xBF\n", true, "\xEF\xBB\xBF\n"},
                      ConversionCase{"\x82\x50\xFF\n", true, "\x82\x50\xFF\n"},  // Shift-JIS as it is
                      ConversionCase{std::string("\0\xC3\xA9\0", 4), false, std::string("\0?\0", 3)}),
    ConversionRowName);

}  // namespace
}  // namespace peruka::testing
