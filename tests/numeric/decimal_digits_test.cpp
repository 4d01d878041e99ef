// The plain decimal form that the exact fit reads: which texts split, and
// into which parts, under either decimal mark.
#include "numeric/decimal_digits.h"

#include <gtest/gtest.h>

#include <string>

namespace peruka {
namespace {

struct Row {
  const char* text;
  char mark;
  bool splits;
  // The parts when it splits.
  bool negative = false;
  const char* integerDigits = "";
  const char* fractionDigits = "";
};

TEST(DecimalDigits, SplitsThePlainFormOnly) {
  const Row table[] = {
      {"12", '.', true, false, "12", ""},
      {"-3.25", '.', true, true, "3", "25"},
      {"-3,25", ',', true, true, "3", "25"},
      {"-3.25", ',', false},
      {"007.500", '.', true, false, "007", "500"},
      {".5", '.', true, false, "", "5"},
      {",5", ',', true, false, "", "5"},
      {"5.", '.', true, false, "5", ""},
      {".", '.', true, false, "", ""},
      {"-.", '.', true, true, "", ""},
      {"-,", ',', true, true, "", ""},
      {"-0", '.', true, true, "0", ""},
      {"", '.', false},
      {"-", '.', false},
      {"-", ',', false},
      {"--1", '.', false},
      {"1.2.3", '.', false},
      {"1,2,3", ',', false},
      {"1e5", '.', false},
      {"1e5", ',', false},
      {"+1", '.', false},
      {" 1", '.', false},
      {"1 ", '.', false},
      {"1,5", '.', false},
      {"1,5", ',', true, false, "1", "5"},
      {"1.5", ',', false},
      {"1-", '.', false},
  };
  for (const Row& row : table) {
    DecimalDigits digits;
    const bool splits = SplitDecimalDigits(row.text, row.mark, digits);
    const std::string where = std::string("\"") + row.text + "\" with '" + row.mark + "'";
    EXPECT_EQ(splits, row.splits) << where;
    if (!splits || !row.splits) continue;
    EXPECT_EQ(digits.negative, row.negative) << where;
    EXPECT_EQ(digits.integerDigits, row.integerDigits) << where;
    EXPECT_EQ(digits.fractionDigits, row.fractionDigits) << where;
  }
}

}  // namespace
}  // namespace peruka
