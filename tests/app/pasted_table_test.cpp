// The window's pairs paste and file drop of tables: the lines each table
// gives the columns, the columns it asks for and the lines it names.
#include "app/pasted_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "table_cases.h"
#include "text/shift_jis.h"

namespace peruka::testing {
namespace {

TEST(PastedTable, EachTableGivesItsLines) {
  for (const TableCase& c : TableCases()) {
    SCOPED_TRACE(c.name);
    const WindowPaste& want = c.paste;
    std::vector<std::string> asked;
    const PastedTable table = ReadPastedTable(c.text, want.mark, [&](const std::vector<std::string>& names) {
      for (const std::string& name : names) asked.push_back(ShiftJisToUtf8(name));
      return std::optional<ColumnPair>(ColumnPair{want.pickX, want.pickY});
    });
    EXPECT_EQ(asked, want.names);
    EXPECT_EQ(table.x, want.x);
    EXPECT_EQ(table.y, want.y);
    EXPECT_EQ(table.badLine, want.badLine);
    EXPECT_EQ(table.headerLine, want.headerLine);
    EXPECT_FALSE(table.cancelled);
  }
}

TEST(PastedTable, ACancelledChoiceTakesNothing) {
  const PastedTable table =
      ReadPastedTable("1;2;3\n4;5;6\n", '.', [](const std::vector<std::string>&) { return std::nullopt; });
  EXPECT_TRUE(table.cancelled);
  EXPECT_TRUE(table.x.empty());
  EXPECT_TRUE(table.y.empty());
  EXPECT_EQ(table.badLine, 0u);
}

TEST(PastedTable, TheNoteNamesTheHeaderLine) {
  EXPECT_EQ(ShiftJisToUtf8(HeaderSkippedNote(3)), "3 行目を見出しとみなして読み飛ばしました");
}

}  // namespace
}  // namespace peruka::testing
