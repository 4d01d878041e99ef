// Random conversion cases computed by an independent implementation.
#include <gtest/gtest.h>

#include <cstring>

#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/format_fixed.h"
#include "numeric/locale_mark.h"
#include "test_data.h"

namespace peruka {
namespace {

using testing::DataLines;
using testing::ParseHex64;

std::uint64_t BitsOfDouble(double d) {
  std::uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

double DoubleOfBits(std::uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

std::string Outcome(const std::string& text) {
  try {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llX",
                  static_cast<unsigned long long>(BitsOfDouble(ParseDecimal(text))));
    return hex;
  } catch (const EConvertError&) {
    return "ERR convert";
  } catch (const EOverflow&) {
    return "ERR overflow";
  }
}

TEST(ReferenceVectors, ParseDecimalMatchesEveryRow) {
  SetLocaleDecimalMark('.');
  const auto lines = DataLines("parse.tsv");
  ASSERT_GT(lines.size(), 1000u);
  int failures = 0;
  for (const auto& line : lines) {
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string expected = line.substr(0, tab);
    const std::string text = line.substr(tab + 1);
    const std::string actual = Outcome(text);
    if (actual != expected && ++failures <= 20)
      ADD_FAILURE() << "text [" << text << "] expected " << expected << " got " << actual;
  }
  EXPECT_EQ(failures, 0);
}

TEST(ReferenceVectors, FormatFixedMatchesEveryRow) {
  SetLocaleDecimalMark('.');
  const auto lines = DataLines("format.tsv");
  ASSERT_GT(lines.size(), 1000u);
  int failures = 0;
  for (const auto& line : lines) {
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const double value = DoubleOfBits(ParseHex64(line.substr(0, tab)));
    const std::string expected = line.substr(tab + 1);
    const std::string actual = FormatFixed(value, 15, 15);
    if (actual != expected && ++failures <= 20)
      ADD_FAILURE() << line.substr(0, tab) << " expected " << expected << " got " << actual;
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace peruka
