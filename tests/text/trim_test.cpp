// Removing blanks and control bytes at the ends of a text.
#include "text/trim.h"

#include <gtest/gtest.h>

#include <string>

namespace peruka {
namespace {

TEST(TrimBlanks, Table) {
  using namespace std::string_literals;
  struct Row {
    std::string text;
    std::string trimmed;
  };
  const Row rows[] = {
      {" 2.5 ", "2.5"},
      {"\t2.5\r\n", "2.5"},
      {"\r\n\t 1 \t\n\r", "1"},
      {"\0 1 \0"s, "1"},
      {"\x01\x1F\x20x\x20\x1F\x01", "x"},
      {"   ", ""},
      {"\t\r\n\x0B\x0C", ""},
      {"", ""},
      {"1 2", "1 2"},
      {"1\t\0 2"s, "1\t\0 2"s},
      // Bytes above 0x20 stay, the full-width blank among them.
      {"\x81\x40"
       "1\x81\x40",
       "\x81\x40"
       "1\x81\x40"},
      {" \x7F ", "\x7F"},
      {" \x80\xFF ", "\x80\xFF"},
      {"!", "!"},
      {std::string(3000, ' ') + std::string(5000, '9') + std::string(3000, '\n'), std::string(5000, '9')},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TrimBlanks(row.text), row.trimmed) << "[" << row.text << "]";
    EXPECT_EQ(TrimmedView(row.text), row.trimmed) << "[" << row.text << "]";
  }
}

}  // namespace
}  // namespace peruka
