// The lines of a column: the one splitter, the three ways to build a column,
// and the trimming that narrows a line in place.
#include "fit/column.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "column_lines.h"

namespace peruka {
namespace {

using Lines = std::vector<std::string>;

using testing::AllLines;

TEST(Column, Splitting) {
  struct Row {
    std::string text;
    Lines lines;
  };
  const Row rows[] = {
      {"", {}},
      {"1", {"1"}},
      {"1\n", {"1"}},
      {"1\n2", {"1", "2"}},
      {"1\r\n2\r\n", {"1", "2"}},
      {"1\r\n\r\n", {"1", ""}},
      {"\r\n1", {"", "1"}},
      {"\n", {""}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"1\n\n2", {"1", "", "2"}},
      {"1\r\n2\n3", {"1", "2", "3"}},
      // Only the CR right before an LF is dropped: not one at the very end,
      // nor one alone.
      {"1\r", {"1\r"}},
      {"1\r\r\n", {"1\r"}},
      {"1\r2\n", {"1\r2"}},
      {" 1 \t\n", {" 1 \t"}},
      {std::string("a\0b\n\0\n", 6), {std::string("a\0b", 3), std::string(1, '\0')}},
      {std::string(5000, '5') + "\r\n", {std::string(5000, '5')}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(AllLines(Column::Viewing(row.text)), row.lines) << "[" << row.text << "]";
    EXPECT_EQ(AllLines(Column::Copying(row.text)), row.lines) << "[" << row.text << "]";
  }
}

TEST(Column, ViewingBorrowsCopyingOwns) {
  std::string text = "12\n34\n";
  const Column viewing = Column::Viewing(text);
  Column copying = Column::Copying(text);
  EXPECT_EQ(viewing[1].data(), text.data() + 3);
  const Column moved = std::move(copying);  // the owned bytes move with it
  text = "xx\nyy\n";
  EXPECT_EQ(viewing[1], "yy");
  EXPECT_EQ(moved[1], "34");
}

TEST(Column, FromLinesTakesEachLineAsItIs) {
  const Lines lines = {" 1 ", "", "2\r", "a\nb", std::string(300, '7')};
  const Column column = Column::FromLines(lines);
  EXPECT_EQ(AllLines(column), lines);
  EXPECT_EQ(AllLines(Column::FromLines({})), Lines{});
}

TEST(Column, LinePastTheEndIsEmpty) {
  const Column column = Column::Copying("1\n2\n");
  EXPECT_EQ(column[2], "");
  EXPECT_EQ(column[1000], "");
}

TEST(Column, TrimNarrowsTheLineWithoutCopyingAndListsIt) {
  const std::string text = "  12  \nab\n\t\n 3";
  Column column = Column::Viewing(text);
  EXPECT_TRUE(column.Trim(0));
  EXPECT_FALSE(column.Trim(1));
  EXPECT_TRUE(column.Trim(2));
  EXPECT_TRUE(column.Trim(3));
  EXPECT_FALSE(column.Trim(0));  // already trimmed
  EXPECT_FALSE(column.Trim(4));  // past the end
  EXPECT_EQ(AllLines(column), (Lines{"12", "ab", "", "3"}));
  EXPECT_EQ(column[0].data(), text.data() + 2);
  EXPECT_EQ(column.TrimmedLines(), (std::vector<std::size_t>{0, 2, 3}));
  EXPECT_EQ(column.Count(), 4u);  // an emptied line still counts
}

}  // namespace
}  // namespace peruka
