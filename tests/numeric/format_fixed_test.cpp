// Number to text: the fixed and exponent layouts, the cut to 15 digits and the
// integer text.
#include "numeric/format_fixed.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "numeric/locale_mark.h"

namespace peruka {
namespace {

double DoubleOfBits(std::uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

class FormatFixedTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLocaleDecimalMark('.'); }
  void TearDown() override { SetLocaleDecimalMark('.'); }
};

struct FormatRow {
  const char* name;
  Extended value;
  const char* text;
};

TEST_F(FormatFixedTest, CoefficientTexts) {
  const FormatRow rows[] = {
      {"zero", 0.0, "0.000000000000000"},
      {"negative zero", -0.0, "0.000000000000000"},
      {"1.5", 1.5, "1.500000000000000"},
      {"-0.25", -0.25, "-0.250000000000000"},
      {"0.1", 0.1, "0.100000000000000"},
      {"1/3", 1.0 / 3.0, "0.333333333333333"},
      {"2/3", 2.0 / 3.0, "0.666666666666667"},
      {"12345.678", 12345.678, "12345.678000000000000"},
      {"-7.000000000000001", -7.000000000000001, "-7.000000000000000"},
      {"123456789.123456789", 123456789.123456789, "123456789.123457000000000"},
      {"123456789012345.6", 123456789012345.6, "123456789012346.000000000000000"},
      {"100000000000000.5 (exact tie)", 100000000000000.5, "100000000000001.000000000000000"},
      {"999999999999999.375", 999999999999999.375, "999999999999999.000000000000000"},
      {"999999999999999.5 (exact tie)", 999999999999999.5, "1E15"},
      {"10^15", 1e15, "1E15"},
      {"-999999999999999.875", -999999999999999.9, "-1E15"},
      {"2^53", 0x1p53, "9.00719925474099E15"},
      {"10^16", 1e16, "1E16"},
      {"1.5e16", 1.5e16, "1.5E16"},
      {"-123456789012345678", -123456789012345678.0, "-1.23456789012346E17"},
      {"largest double", DBL_MAX, "1.79769313486232E308"},
      {"1.23e-7", 1.23e-7, "0.000000123000000"},
      {"2^-16 (exact tie)", 0x1p-16, "0.000015258789063"},
      {"5e-16", 5e-16, "0.000000000000001"},
      {"-4e-16", -4e-16, "0.000000000000000"},
      {"-6e-16", -6e-16, "-0.000000000000001"},
      {"-1e-20", -1e-20, "0.000000000000000"},
      {"0.3545282269705195", 0.3545282269705195, "0.354528226970520"},
      {"10^14", 1e14, "100000000000000.000000000000000"},
      {"+infinity", HUGE_VAL, "INF"},
      {"-infinity", -HUGE_VAL, "INF"},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {"negative NaN", DoubleOfBits(0xFFF8000000000000ULL), "NAN"},
      {"smallest double", DoubleOfBits(1), "0.000000000000000"},
      // Extended values beyond the double range.
      {"largest extended", std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
      {"extended subnormal", FromBits(0x8000, 1), "0.000000000000000"},
  };
  for (const auto& row : rows) EXPECT_EQ(FormatFixed(row.value, 15, 15), row.text) << row.name;
}

TEST_F(FormatFixedTest, PrecisionAndDecimals) {
  struct Row {
    Extended value;
    int precision, decimals;
    const char* text;
  };
  const Row rows[] = {
      // Precision below 2 counts as 2, above 18 as 18.
      {1.2345, 1, 4, "1.2000"},
      {1.2345, -7, 4, "1.2000"},
      {1.0 / 3.0, 25, 18, "0.333333333333333315"},
      {1.0 / 3.0, 18, 18, "0.333333333333333315"},
      // No decimals: no mark; an exact half at the cut rounds away from zero.
      {2.5, 15, 0, "3"},
      {-2.5, 15, 0, "-3"},
      {0.5, 15, 0, "1"},
      {-0.4, 15, 0, "0"},
      {123.0, 15, 0, "123"},
      {1.5e16, 15, 0, "1.5E16"},
      {123.456, 3, 2, "123.00"},
      {123.556, 3, 2, "124.00"},
      {999.5, 3, 2, "1E3"},
      {123456.0, 3, 2, "1.23E5"},
      {0.001234, 2, 18, "0.001200000000000000"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(FormatFixed(row.value, row.precision, row.decimals), row.text)
        << StoreDouble(row.value) << " p=" << row.precision << " d=" << row.decimals;
}

TEST_F(FormatFixedTest, CommaMarkInBothLayouts) {
  SetLocaleDecimalMark(',');
  EXPECT_EQ(FormatFixed(1.5, 15, 15), "1,500000000000000");
  EXPECT_EQ(FormatFixed(1.5e16, 15, 15), "1,5E16");
  EXPECT_EQ(FormatFixed(-0.25, 15, 15), "-0,250000000000000");
  EXPECT_EQ(FormatFixed(1e15, 15, 15), "1E15");
}

TEST_F(FormatFixedTest, DecimalRecords) {
  struct Row {
    const char* name;
    Extended value;
    const char* digits;
    int exponent;
    bool negative;
  };
  const Row rows[] = {
      {"zero", 0.0, "", 0, false},
      {"-0.25", -0.25, "25", 0, true},
      {"2/3", 2.0 / 3.0, "666666666666667", 0, false},
      {"12345.678", 12345.678, "12345678", 5, false},
      {"999999999999999.5", 999999999999999.5, "1", 16, false},
      {"-999999999999999.9", -999999999999999.9, "1", 16, true},
      {"2^53", 0x1p53, "900719925474099", 16, false},
      {"largest double", DBL_MAX, "179769313486232", 309, false},
      {"1.23e-7", 1.23e-7, "123", -6, false},
      {"2^-16", 0x1p-16, "15258789063", -4, false},
      {"5e-16", 5e-16, "1", -14, false},
      {"-4e-16", -4e-16, "", -15, false},
      {"-6e-16", -6e-16, "1", -14, true},
      {"-1e-20", -1e-20, "", 0, false},
      {"0.3545282269705195", 0.3545282269705195, "35452822697052", 0, false},
      {"-infinity", -HUGE_VAL, "", DecimalRecord::kInfinityExponent, true},
      {"+infinity", HUGE_VAL, "", DecimalRecord::kInfinityExponent, false},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), "", DecimalRecord::kNanExponent, false},
      {"negative NaN", DoubleOfBits(0xFFF8000000000000ULL), "", DecimalRecord::kNanExponent, false},
  };
  for (const auto& row : rows) {
    const DecimalRecord record = MakeDecimalRecord(row.value, 15, 15);
    EXPECT_EQ(record.digits, row.digits) << row.name;
    EXPECT_EQ(record.exponent, row.exponent) << row.name;
    EXPECT_EQ(record.negative, row.negative) << row.name;
  }
}

TEST_F(FormatFixedTest, EighteenDigitsBeforeTheCut) {
  struct Row {
    Extended value;
    const char* digits;
    int exponent;
  };
  const Row rows[] = {
      // A correctly rounded conversion would cut this to ...519.
      {0.3545282269705195, "354528226970519500", 0},
      {1.0, "100000000000000000", 1},
      {-0.25, "250000000000000000", 0},
      {0x1p53, "900719925474099200", 16},
      {DBL_MAX, "179769313486231571", 309},
      {0x1p-16, "152587890625000000", -4},
  };
  for (const auto& row : rows) {
    char digits[18];
    std::int16_t exponent = 0;
    EighteenDigits(row.value, exponent, digits);
    EXPECT_EQ(std::string(digits, 18), row.digits) << StoreDouble(row.value);
    EXPECT_EQ(exponent, row.exponent) << StoreDouble(row.value);
  }
}

TEST(FormatInteger, PlainDecimalText) {
  const std::pair<std::int32_t, const char*> rows[] = {
      {1, "1"},
      {20, "20"},
      {0, "0"},
      {-5, "-5"},
      {10, "10"},
      {100, "100"},
      {2147483647, "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(FormatInteger(value), text);
}

}  // namespace
}  // namespace peruka
