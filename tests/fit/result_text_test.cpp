// The text of the fitted polynomial.
#include "fit/result_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numeric/locale_mark.h"

namespace peruka {
namespace {

FitResult Coefficients(std::vector<double> highestFirst) {
  FitResult fit;
  fit.degree = static_cast<int>(highestFirst.size()) - 1;
  for (int k = 0; k <= fit.degree; ++k) fit.coefficients[k] = highestFirst[fit.degree - k];
  return fit;
}

TEST(ResultText, Layouts) {
  SetLocaleDecimalMark('.');
  struct Row {
    std::vector<double> coefficients;  // highest power first
    const char* text;
  };
  const Row rows[] = {
      {{2.0, 1.0}, "y = (2.000000000000000) x^1\n   + (1.000000000000000)"},
      {{1.0, -0.5, 0.0, 0.25},
       "y = (1.000000000000000) x^3\n"
       "   + (-0.500000000000000) x^2\n"
       "   + (0.000000000000000) x^1\n"
       "   + (0.250000000000000)"},
      {{1e15, -1.5e16}, "y = (1E15) x^1\n   + (-1.5E16)"},
      {{-4e-16, -0.0}, "y = (0.000000000000000) x^1\n   + (0.000000000000000)"},
      {{2.0 / 3.0, -1.0 / 3.0}, "y = (0.666666666666667) x^1\n   + (-0.333333333333333)"},
  };
  for (const auto& row : rows) EXPECT_EQ(ResultText(Coefficients(row.coefficients)), row.text);
}

TEST(ResultText, Degree20) {
  std::vector<double> coefficients(21);
  for (int i = 0; i <= 20; ++i) coefficients[i] = 20 - i;  // a_k = k
  std::string expected = "y = (20.000000000000000) x^20\n";
  for (int k = 19; k >= 1; --k)
    expected += "   + (" + std::to_string(k) + ".000000000000000) x^" + std::to_string(k) + "\n";
  expected += "   + (0.000000000000000)";
  EXPECT_EQ(ResultText(Coefficients(coefficients)), expected);
}

TEST(ResultText, CommaMark) {
  SetLocaleDecimalMark(',');
  EXPECT_EQ(ResultText(Coefficients({1.5, 1.5e16})), "y = (1,500000000000000) x^1\n   + (1,5E16)");
  SetLocaleDecimalMark('.');
}

TEST(ResultText, LeadIsWhatTheLabelReadsBeforeTheFirstTerm) {
  EXPECT_EQ(kResultLead, "y = ");
  EXPECT_EQ(ResultText(Coefficients({3.0, 4.0})).substr(0, kResultLead.size()), kResultLead);
}

}  // namespace
}  // namespace peruka
