// Conversion between UTF-8 and Shift-JIS.
#include "text/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace peruka {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

TEST(ShiftJis, RoundTrips) {
  struct Row {
    std::string utf8;
    std::string sjis;
  };
  const Row rows[] = {
      {"", ""},
      {"abc 123.5", "abc 123.5"},
      {"ｴﾗｰ", "\xB4\xD7\xB0"},
      {"(･･､)", "(\xA5\xA5\xA4)"},
      {"Ｘの値：", "\x82\x77\x82\xCC\x92\x6C\x81\x46"},
      // Backslash and tilde keep their bytes in code page 932.
      {"\\~", "\x5C\x7E"},
      {"①", "\x87\x40"},
      {"　", "\x81\x40"},
      {"データ", "\x83\x66\x81\x5B\x83\x5E"},
      {"浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ",
       "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\xB4\xD7\xB0: \xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Utf8ToShiftJis(row.utf8), row.sjis) << row.utf8;
    EXPECT_EQ(ShiftJisToUtf8(row.sjis), row.utf8) << row.utf8;
  }
}

TEST(ShiftJis, WhatUtf8CannotGiveBecomesAQuestionMark) {
  struct Row {
    std::string utf8;
    std::string sjis;
  };
  const Row rows[] = {
      {"😀", "?"},  // no Shift-JIS form
      {"a😀b", "a?b"},
      {"\xFF", "?"},       // never valid in UTF-8
      {"\x80\x80", "??"},  // stray continuation bytes
      {"a\xC3", "a?"},     // cut short at the end
      {"\xE3\x81", "??"},
      {"\xC3(\xE3\x81\x82", "?(\x82\xA0"},  // a lead byte without its continuation
      {"\xC0\x80", "??"},                   // overlong
      {"\xE0\x80\x80", "???"},              // overlong, three bytes
      {"\xF0\x80\x80\x80", "????"},         // overlong, four bytes
      {"\xED\xA0\x80", "???"},              // a surrogate
      {"\xF4\x90\x80\x80", "????"},         // above U+10FFFF
      {"\xF5\x80\x80\x80", "????"},         // never a lead byte
      {"\xFF\x80\x80", "???"},
      {"\xE3\x81"
       "a",
       "??a"},                                        // cut short in the middle
      {"\xF0\x9F\x98\x80\xE3\x81\x82", "?\x82\xA0"},  // an emoji is one character
  };
  for (const auto& row : rows) EXPECT_EQ(Utf8ToShiftJis(row.utf8), row.sjis) << row.utf8;
}

TEST(ShiftJis, WhatIsNotShiftJisBecomesTheReplacementCharacter) {
  struct Row {
    std::string sjis;
    std::string utf8;
  };
  const Row rows[] = {
      {"\x82", kReplacement},  // a lead byte at the end
      {"a\x82", "a" + kReplacement},
      {"\x82\x20", kReplacement + " "},  // a lead byte before a blank
      {"\x82\xA0\x82", "あ" + kReplacement},
  };
  for (const auto& row : rows) EXPECT_EQ(ShiftJisToUtf8(row.sjis), row.utf8) << row.sjis;
}

TEST(ShiftJis, LongTextsConvertWhole) {
  // Both parities, so that a double-byte character straddles every internal
  // buffer boundary one way or the other.
  for (const std::string lead : {"", "a", "ab"}) {
    std::string utf8 = lead;
    std::string sjis = lead;
    for (int i = 0; i < 3000; ++i) {
      utf8 += "あ1ｱ";
      sjis +=
          "\x82\xA0"
          "1\xB1";
    }
    utf8 += "😀";
    sjis += "?";
    EXPECT_EQ(Utf8ToShiftJis(utf8), sjis) << "lead [" << lead << "]";
    const std::string back = utf8.substr(0, utf8.size() - 4) + "?";
    EXPECT_EQ(ShiftJisToUtf8(sjis), back) << "lead [" << lead << "]";
  }
  // A bad byte far into a long text.
  const std::string longText = std::string(5000, 'x') + "\xFF" + std::string(5000, 'y');
  EXPECT_EQ(Utf8ToShiftJis(longText), std::string(5000, 'x') + "?" + std::string(5000, 'y'));
}

TEST(ShiftJis, IsAscii) {
  EXPECT_TRUE(IsAscii(""));
  EXPECT_TRUE(IsAscii("abc\x7F"));
  EXPECT_TRUE(IsAscii(std::string("\0", 1)));
  EXPECT_FALSE(IsAscii("abc\x80"));
  EXPECT_FALSE(IsAscii("\xFF"));
}

}  // namespace
}  // namespace peruka
