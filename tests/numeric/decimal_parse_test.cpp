// Decimal text to double: the values, the refusals and their messages.
#include "numeric/decimal_parse.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "text/shift_jis.h"

namespace peruka {
namespace {

std::uint64_t BitsOfDouble(double d) {
  std::uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

std::string Hex(std::uint64_t bits) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(bits));
  return text;
}

// The conversion error's message for a refused text.
std::string NotFloatMessage(const std::string& text) {
  return "'" + text + Utf8ToShiftJis("' は浮動小数点ではありません");
}

// What ParseDecimal makes of a text: the double's bit pattern, or the class of
// the exception and its message.
std::string Outcome(const std::string& text) {
  try {
    return Hex(BitsOfDouble(ParseDecimal(text)));
  } catch (const EConvertError& e) {
    return "EConvertError " + e.Message();
  } catch (const EOverflow& e) {
    return "EOverflow " + e.Message();
  }
}

std::string Refused(const std::string& text) { return "EConvertError " + NotFloatMessage(text); }
const std::string kTooLong = "EConvertError " + Utf8ToShiftJis("結果が 4096 文字以上あります");
const std::string kOverflowed = "EOverflow " + Utf8ToShiftJis("浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ");

class ParseDecimalTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLocaleDecimalMark('.'); }
  void TearDown() override { SetLocaleDecimalMark('.'); }
};

struct ParseRow {
  std::string text;
  std::string expected;  // bit pattern, or the exception and its message
};

void ExpectRows(const std::vector<ParseRow>& rows) {
  for (const auto& row : rows) {
    const std::string outcome = Outcome(row.text);
    if (outcome == row.expected) continue;
    auto shorten = [](const std::string& s) { return s.size() > 80 ? s.substr(0, 80) + "..." : s; };
    ADD_FAILURE() << "text [" << shorten(row.text) << "] of " << row.text.size() << " bytes: got ["
                  << shorten(outcome) << "], expected [" << shorten(row.expected) << "]";
  }
}

TEST_F(ParseDecimalTest, SyntaxAndValues) {
  ExpectRows({
      {"1.5", "3FF8000000000000"},
      {"-2", "C000000000000000"},
      {"+7", "401C000000000000"},
      {"00012.50", "4029000000000000"},
      {"1.", "3FF0000000000000"},
      {".5", "3FE0000000000000"},
      {"1e3", "408F400000000000"},
      {"1E+3", "408F400000000000"},
      {"2.5E-1", "3FD0000000000000"},
      {" 12 ", "4028000000000000"},
      {"   -12.5e1   ", "C05F400000000000"},
      // The exponent letter alone, or with its sign, stands for an exponent of 0.
      {"1e", "3FF0000000000000"},
      {"1e+", "3FF0000000000000"},
      {"1e-", "3FF0000000000000"},
      {".e5", "0000000000000000"},
      // Leading zeros of the exponent do not count towards its stop at 500.
      {"1e0000000002", "4059000000000000"},
  });
}

TEST_F(ParseDecimalTest, ZerosKeepTheirSign) {
  ExpectRows({
      {".", "0000000000000000"},
      {"0", "0000000000000000"},
      {"-.", "8000000000000000"},
      {"-0", "8000000000000000"},
      {"-0.000e7", "8000000000000000"},
      {"-1e-400", "8000000000000000"},
      {"1e-400", "0000000000000000"},
  });
}

TEST_F(ParseDecimalTest, TwoStageRoundingGivesTheseDoubles) {
  ExpectRows({
      {"0.1", "3FB999999999999A"},
      {"123.456", "405EDD2F1A9FBE77"},
      // The extended quotient lies exactly halfway between two doubles and
      // ties to the even one, not to the nearest double ...5AFF.
      {"3740.16135491", "40AD38529D1C5B00"},
      {"1461.3026945071", "4096D535F58C82B2"},
      // 21 digits: the accumulation itself rounds.
      {"457111228486053298180", "4438C7B1506DD1A0"},
      {".7650785867035534981939084522", "3FE87B8616985F8A"},
      {"9007199254740993", "4340000000000000"},
  });
}

TEST_F(ParseDecimalTest, RangeOfTheDouble) {
  const std::string zeros308(308, '0');
  ExpectRows({
      {"1" + zeros308, "7FE1CCF385EBC8A0"},
      {"1" + zeros308 + "0", kOverflowed},
      {"-1" + zeros308 + "0", kOverflowed},
      {"1e500", kOverflowed},
      // Inside the extended range, so the scan takes it; the double cannot.
      {"1e4932", kOverflowed},
      {"1e4933", Refused("1e4933")},
      {"1e4999", Refused("1e4999")},
      // The exponent stops taking digits at 500, so the last "0" is left over.
      {"1e5000", Refused("1e5000")},
      {"1e-5000", Refused("1e-5000")},
      {"0." + std::string(307, '0') + "1", "000730D67819E8D2"},
      {"0." + std::string(400, '0') + "1", "0000000000000000"},
      {"1e-4999", "0000000000000000"},
  });
}

TEST_F(ParseDecimalTest, DigitsBeyondTheExtendedRangeFailWhereverTheMarkStands) {
  ExpectRows({
      {"0." + std::string(4933, '1'), "3FBC71C71C71C71C"},
      // Refused; the texts are too long to be quoted in the message.
      {"0." + std::string(4934, '1'), kTooLong},
      {std::string(4934, '1') + ".", kTooLong},
      // Each fraction digit lowers the exponent, with no lower bound.
      {"0." + std::string(5200, '9'), kTooLong},
  });
}

TEST_F(ParseDecimalTest, ScaleOfMinus5120OrLessGivesZeroEvenForANormalValue) {
  // 10^4900 times 10^-5121 would be 10^-221, but the scaling gives zero.
  const std::string fraction = std::string(220, '0') + "1" + std::string(4900, '0');
  ExpectRows({
      {"0." + fraction, "0000000000000000"},
      {"-0." + fraction, "8000000000000000"},
  });
  // Two fraction digits fewer: a scale of -5119 still divides.
  const double nearTenToMinus219 = ParseDecimal("0." + fraction.substr(2));
  EXPECT_NEAR(nearTenToMinus219 / 1e-219, 1.0, 1e-15);
}

TEST_F(ParseDecimalTest, LongTextsAreReadWhole) {
  ExpectRows({
      {std::string(5000, '0') + "123", "405EC00000000000"},
      {std::string(5000, ' ') + "7" + std::string(5000, ' '), "401C000000000000"},
      {"-" + std::string(5000, '0') + "." + std::string(5000, '0') + "5", "8000000000000000"},
      // The digits alone overflow the extended range, whatever the exponent.
      {"1" + std::string(5000, '0') + "e-4990", kTooLong},
  });
}

TEST_F(ParseDecimalTest, NulEndsTheText) {
  EXPECT_EQ(ParseDecimal(std::string("12\0abc", 6)), 12.0);
  EXPECT_EQ(ParseDecimal(std::string("3 \0 x", 5)), 3.0);
  EXPECT_THROW(ParseDecimal(std::string("\0"
                                        "1",
                                        2)),
               EConvertError);
  EXPECT_THROW(ParseDecimal(std::string("-\0"
                                        "1",
                                        3)),
               EConvertError);
}

TEST_F(ParseDecimalTest, RefusedTextsAreQuotedUntrimmed) {
  for (const std::string text :
       {"",         "-",    "+",    "--1",   "- 1", "1-",   "1.5.3",
        "1,5",      "e5",   "\t12", "12\t",  "1 2", "0x10", "inf",
        "nan",      " 1x ", "1e5e", "1e+-5", "'",   "E",    "\x82\x50\x82\x51" /* full-width 12 */,
        "1\x81\x40" /* full-width blank */}) {
    EXPECT_EQ(Outcome(text), Refused(text)) << "text [" << text << "]";
  }
}

TEST_F(ParseDecimalTest, MessageBytesInShiftJis) {
  try {
    ParseDecimal("-");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(
        e.Message(),
        "'-' "
        "\x82\xCD\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82"
        "\xF1");
  }
}

TEST_F(ParseDecimalTest, MessageOf4096BytesAtMostOtherwiseTheTooLongMessage) {
  const std::string text4067(4067, 'x');
  const std::string outcome = Outcome(text4067);
  EXPECT_EQ(outcome, Refused(text4067));
  EXPECT_EQ(outcome.size() - std::string("EConvertError ").size(), 4096u);
  EXPECT_EQ(Outcome(std::string(4068, 'x')), kTooLong);
  EXPECT_EQ(Outcome(std::string(10000, 'x')), kTooLong);
  // Blanks are part of the text that the message would quote.
  EXPECT_EQ(Outcome(std::string(4067, ' ') + "x"), kTooLong);
}

TEST_F(ParseDecimalTest, CommaAsDecimalMark) {
  SetLocaleDecimalMark(',');
  ExpectRows({
      {"1,5", "3FF8000000000000"},
      {"-,5", "BFE0000000000000"},
      {"1,5e1", "402E000000000000"},
      {",", "0000000000000000"},
      {"1.5", Refused("1.5")},
      {".", Refused(".")},
      {"1", "3FF0000000000000"},
  });
}

TEST_F(ParseDecimalTest, ScanDecimalReportsWithoutRaising) {
  Extended value = 0;
  ASSERT_TRUE(ScanDecimal("0.1", value));
  // 1 / 10 rounded to a 64-bit significand.
  EXPECT_EQ(BitsOf(value).signExponent, 0x3FFB);
  EXPECT_EQ(BitsOf(value).significand, 0xCCCCCCCCCCCCCCCDULL);
  ASSERT_TRUE(ScanDecimal("1e4932", value));
  EXPECT_GT(value, 9e4931L);
  ASSERT_TRUE(ScanDecimal("-1e-4940", value));
  EXPECT_EQ(ExponentField(value), 0);  // an extended subnormal
  EXPECT_TRUE(SignBit(value));
  EXPECT_FALSE(ScanDecimal("1e4933", value));
  EXPECT_FALSE(ScanDecimal("", value));
  EXPECT_FALSE(ScanDecimal("1x", value));
}

// The short route for plain texts takes exactly the texts it should and gives
// TryParseDecimal's bits for each; random plain texts of up to 19 digits
// cover the rounding of 17-digit values and the refusal of longer ones.
TEST_F(ParseDecimalTest, PlainRouteEqualsTheFullOne) {
  struct Row {
    char mark;
    std::string text;
    bool plain;
  };
  const std::vector<Row> rows = {
      {'.', "0", true},
      {'.', "-0", true},
      {'.', "-0.731272", true},
      {'.', ".5", true},
      {'.', "5.", true},
      {'.', "-.5", true},
      {'.', "12345678901234567", true},
      {'.', "1234567890.1234567", true},
      {'.', "123456789012345678", false},
      {'.', "0.000000000000000001", false},
      {'.', "", false},
      {'.', "-", false},
      {'.', ".", false},
      {'.', "-.", false},
      {'.', "1.2.3", false},
      {'.', "--1", false},
      {'.', "+1", false},
      {'.', "1e5", false},
      {'.', " 1", false},
      {'.', "1-", false},
      {'.', std::string("1\0", 2), false},
      {',', "15", true},
      {',', "1.5", false},
      {',', "1,5", false},
      {',', "5.", false},
  };
  for (const Row& row : rows) {
    SetLocaleDecimalMark(row.mark);
    double plain = 0.0;
    double full = 0.0;
    ASSERT_EQ(TryParsePlainDecimal(row.text, plain), row.plain) << "[" << row.text << "] mark " << row.mark;
    if (row.plain) {
      ASSERT_TRUE(TryParseDecimal(row.text, full));
      EXPECT_EQ(BitsOfDouble(plain), BitsOfDouble(full)) << row.text;
    }
  }
  SetLocaleDecimalMark('.');
  std::mt19937_64 random(7);
  int accepted = 0;
  for (int trial = 0; trial < 200000; ++trial) {
    const int digits = 1 + static_cast<int>(random() % 19);
    std::string text = random() % 2 ? "-" : "";
    const int point = static_cast<int>(random() % (digits + 2)) - 1;  // -1: none
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (point == digits) text += '.';
    double plain = 0.0;
    double full = 0.0;
    if (!TryParsePlainDecimal(text, plain)) {
      EXPECT_GT(digits, 17) << text;
      continue;
    }
    ++accepted;
    ASSERT_TRUE(TryParseDecimal(text, full)) << text;
    ASSERT_EQ(BitsOfDouble(plain), BitsOfDouble(full)) << text;
  }
  EXPECT_GT(accepted, 150000);
}

}  // namespace
}  // namespace peruka
