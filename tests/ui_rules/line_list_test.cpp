// The line list of a column box on every backend alike: counts, whole
// lines, append with its line-break cases, insert, replace, clear, long
// lines and Shift-JIS inside.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "edit_control.h"
#include "ui/memo_strings.h"

namespace peruka::testing {
namespace {

class LineListTest : public ::testing::Test {
 protected:
  EditLines& Edit() { return control_->Lines(); }
  TMemoStrings& Lines() { return lines_; }

  std::unique_ptr<EditControl> control_ = MakeEditControl();
  TMemoStrings lines_{control_->Lines()};
};

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

struct CountCase {
  const char* name;
  const char* text;
  int count;
  std::vector<std::string> lines;
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class LineCountTest : public LineListTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(LineCountTest, CountsLinesWithoutAnEmptyLastLine) {
  const CountCase& c = GetParam();
  Edit().SetText(c.text);
  EXPECT_EQ(Lines().Count(), c.count);
  for (std::size_t i = 0; i < c.lines.size(); ++i)
    EXPECT_EQ(Lines().Get(static_cast<int>(i)), c.lines[i]) << i;
  // Past the last line: the empty text.
  EXPECT_EQ(Lines().Get(c.count + 1), "");
  EXPECT_EQ(Lines().Get(-1), "");
  EXPECT_EQ(Lines().GetAll(), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineCountTest,
                         ::testing::Values(CountCase{"Empty", "", 0, {}},
                                           CountCase{"OneLine", "1.5", 1, {"1.5"}},
                                           CountCase{"OneLineAndABreak", "1.5\r\n", 1, {"1.5"}},
                                           CountCase{"EmptySecondLine", "1\r\n\r\n", 2, {"1", ""}},
                                           CountCase{"EmptyFirstLine", "\r\n1", 2, {"", "1"}},
                                           CountCase{"ABreakAlone", "\r\n", 1, {""}},
                                           CountCase{"EmptyLineBetween", "1\r\n\r\n2", 3, {"1", "", "2"}},
                                           CountCase{"Blanks", "a b\r\n c ", 2, {"a b", " c "}}),
                         CaseName<CountCase>);

struct AppendCase {
  const char* name;
  const char* before;
  const char* added;
  const char* after;
};
void PrintTo(const AppendCase& c, std::ostream* os) { *os << c.name; }

class LineAppendTest : public LineListTest, public ::testing::WithParamInterface<AppendCase> {};

TEST_P(LineAppendTest, AppendFollowsTheLineBreakRules) {
  const AppendCase& c = GetParam();
  Edit().SetText(c.before);
  const int before = Lines().Count();
  EXPECT_EQ(Lines().Add(c.added), before);
  EXPECT_EQ(Edit().Text(), c.after);
  EXPECT_EQ(Lines().Count(), before + 1);
  EXPECT_EQ(Lines().Get(before), c.added);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineAppendTest,
                         ::testing::Values(AppendCase{"EmptyBox", "", "1.5", "1.5\r\n"},
                                           AppendCase{"AfterABreak", "1\r\n", "2", "1\r\n2\r\n"},
                                           AppendCase{"NoFinalBreak", "1", "2", "1\r\n2"},
                                           AppendCase{"AfterAnEmptyLine", "1\r\n\r\n", "3", "1\r\n\r\n3\r\n"},
                                           AppendCase{"FirstLineEmpty", "\r\n1", "2", "\r\n1\r\n2"}),
                         CaseName<AppendCase>);

TEST_F(LineListTest, InsertBeforeALineAndOutOfRange) {
  Edit().SetText("a\r\nc");
  Lines().Insert(1, "b");
  EXPECT_EQ(Edit().Text(), "a\r\nb\r\nc");
  Lines().Insert(-1, "x");
  Lines().Insert(7, "x");
  EXPECT_EQ(Edit().Text(), "a\r\nb\r\nc");
}

TEST_F(LineListTest, ReplaceKeepsTheLineBreak) {
  Edit().SetText("  7\r\n8");
  Lines().Put(0, "7");
  EXPECT_EQ(Edit().Text(), "7\r\n8");
  Lines().Put(1, "9");
  EXPECT_EQ(Edit().Text(), "7\r\n9");
  Lines().Put(5, "x");  // no such line
  EXPECT_EQ(Edit().Text(), "7\r\n9");
}

TEST_F(LineListTest, LongLinesAreReadWhole) {
  const std::string line(5000, '7');
  Edit().SetText(line + "\r\n1");
  EXPECT_EQ(Lines().Get(0), line);
  Lines().Put(0, " " + line + " ");
  EXPECT_EQ(Lines().Get(0), " " + line + " ");
}

TEST_F(LineListTest, JapaneseTextIsShiftJisInside) {
  // Ｘの値： and １２
  Edit().SetText("\x82\x77\x82\xcc\x92\x6c\x81\x46\r\n\x82\x50\x82\x51");
  EXPECT_EQ(Lines().Get(0), "\x82\x77\x82\xcc\x92\x6c\x81\x46");
  EXPECT_EQ(Lines().Get(1), "\x82\x50\x82\x51");
  Lines().Put(1, "\x82\x52");  // ３
  EXPECT_EQ(Edit().Text(), "\x82\x77\x82\xcc\x92\x6c\x81\x46\r\n\x82\x52");
}

TEST_F(LineListTest, ClearEmptiesTheBox) {
  Edit().SetText("1\r\n2\r\n");
  Lines().Clear();
  EXPECT_EQ(Edit().Text(), "");
  EXPECT_EQ(Lines().Count(), 0);
}

}  // namespace
}  // namespace peruka::testing
