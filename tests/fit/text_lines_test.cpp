// Lines of a column text: splitting, counting and replacing.
#include "fit/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace peruka {
namespace {

std::vector<std::string> AllLines(const LineList& lines) {
  std::vector<std::string> all;
  for (std::size_t i = 0; i < lines.Count(); ++i) all.push_back(lines.Line(i));
  return all;
}

using Lines = std::vector<std::string>;

TEST(TextLines, Splitting) {
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
      // Only the CR of a CR LF is dropped.
      {"1\r", {"1\r"}},
      {"1\r\r\n", {"1\r"}},
      {" 1 \t\n", {" 1 \t"}},
      {std::string(5000, '5') + "\r\n", {std::string(5000, '5')}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(AllLines(TextLines::FromText(row.text)), row.lines) << "[" << row.text << "]";
}

TEST(TextLines, LinePastTheEndIsEmpty) {
  const TextLines lines = TextLines::FromText("1\n2\n");
  EXPECT_EQ(lines.Line(2), "");
  EXPECT_EQ(lines.Line(1000), "");
}

TEST(TextLines, Replace) {
  struct Row {
    std::size_t index;
    std::string text;
    Lines lines;
  };
  const Row rows[] = {
      {0, "1", {"1", " 2 ", "3"}},  // the trimmed text
      {1, "2", {" 1 ", "2", "3"}},
      {1, "", {" 1 ", "", "3"}},  // an empty line in the middle stays counted
      {2, "345678", {" 1 ", " 2 ", "345678"}},
      {3, "9", {" 1 ", " 2 ", "3"}},  // past the end: ignored
      {100, "9", {" 1 ", " 2 ", "3"}},
  };
  for (const auto& row : rows) {
    TextLines lines = TextLines::FromText(" 1 \r\n 2 \r\n3\r\n");
    lines.Replace(row.index, row.text);
    EXPECT_EQ(AllLines(lines), row.lines) << row.index << " [" << row.text << "]";
  }
}

TEST(TextLines, ReplaceWithATextFromTheSameList) {
  TextLines lines = TextLines::FromText("abc\ndef\n");
  lines.Replace(0, lines.View(1));
  lines.Replace(1, "xyz");
  lines.Replace(1, lines.View(0));
  EXPECT_EQ(AllLines(lines), (Lines{"def", "def"}));
}

TEST(TextLines, AppendAndReplaceRepeatedly) {
  TextLines lines;
  lines.Append("  7  ");
  lines.Append("");
  lines.Append("8");
  EXPECT_EQ(lines.Count(), 3u);
  for (int round = 0; round < 3; ++round) {
    lines.Replace(0, "7");
    lines.Replace(1, std::to_string(round));
  }
  EXPECT_EQ(AllLines(lines), (Lines{"7", "2", "8"}));
}

}  // namespace
}  // namespace peruka
