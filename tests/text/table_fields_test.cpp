// The splitting of table lines into fields, for the rules the tables of
// peruka-fit's tests do not reach.
#include "text/table_fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace peruka {
namespace {

std::vector<std::string> Fields(std::string_view line, FieldDelimiter delimiter) {
  FieldCursor cursor(line, delimiter);
  std::vector<std::string> fields;
  std::string unquoted;
  for (std::string_view field; cursor.Next(field, unquoted);) fields.emplace_back(field);
  return fields;
}

TEST(TableFields, SplitsLinesIntoFields) {
  using V = std::vector<std::string>;
  struct Case {
    std::string line;
    FieldDelimiter delimiter;
    V fields;
  };
  const std::vector<Case> cases = {
      {"1,,3,", FieldDelimiter::Comma, {"1", "", "3", ""}},
      {"", FieldDelimiter::Comma, {""}},
      {"", FieldDelimiter::Blanks, {}},
      {" \t ", FieldDelimiter::Blanks, {}},
      {"  1 \t 2 ", FieldDelimiter::Blanks, {"1", "2"}},
      {" 1 ; 2", FieldDelimiter::Semicolon, {" 1 ", " 2"}},
      {"\"a\"\"b\";c", FieldDelimiter::Semicolon, {"a\"b", "c"}},
      {"\"a b\" c", FieldDelimiter::Blanks, {"a b", "c"}},
      {"\ta\t\"b\tc\"", FieldDelimiter::Tab, {"", "a", "b\tc"}},
      // Text after the closing quote stays, less its blanks; a quote later
      // in a field is text; an unclosed quote ends with the line.
      {"\"1\" 5 ,2", FieldDelimiter::Comma, {"15", "2"}},
      {"1\"2,3", FieldDelimiter::Comma, {"1\"2", "3"}},
      {"1,\"2,3", FieldDelimiter::Comma, {"1", "2,3"}},
      {"\"\"\"\"", FieldDelimiter::Comma, {"\""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Fields(c.line, c.delimiter), c.fields);
  }
}

TEST(TableFields, DetectsTheDelimiterOutsideQuotes) {
  struct Case {
    std::string line;
    char mark;
    std::optional<FieldDelimiter> delimiter;
  };
  const std::vector<Case> cases = {
      {"1;2\t3", '.', FieldDelimiter::Tab},
      {"1,5;2", '.', FieldDelimiter::Semicolon},
      {"\"1;5\",2", '.', FieldDelimiter::Comma},
      {"1,5 2", ',', FieldDelimiter::Blanks},
      {"\"1 2\"", '.', std::nullopt},
      {" 1 ", '.', std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(DetectFieldDelimiter(c.line, c.mark), c.delimiter);
  }
}

TEST(TableFields, PicksTwoFieldsOrCountsThem) {
  FieldPicker picker(FieldDelimiter::Comma, 3, 1);
  std::string_view x = "unset";
  std::string_view y = "unset";
  EXPECT_EQ(picker.Pick("a,\"b\"\"\",c", x, y), 3u);
  EXPECT_EQ(x, "unset");
  EXPECT_EQ(picker.Pick("a,\"b\"\"\",c,\"d,e\",f", x, y), 4u);
  EXPECT_EQ(x, "d,e");
  EXPECT_EQ(y, "b\"");
}

}  // namespace
}  // namespace peruka
