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

// Only a delimiter outside quotes counts; a line of one field has none.
TEST(TableFields, DetectsTheDelimiterOutsideQuotes) {
  EXPECT_EQ(DetectFieldDelimiter("\"1;5\",2", '.'), FieldDelimiter::Comma);
  EXPECT_EQ(DetectFieldDelimiter("\"1 2\"", '.'), std::nullopt);
  EXPECT_EQ(DetectFieldDelimiter(" 1 ", '.'), std::nullopt);
}

}  // namespace
}  // namespace peruka
