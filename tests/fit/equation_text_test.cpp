// The polynomial in other notations: the texts of a few fits, and the
// numbers of the program forms read back bit for bit.
#include "fit/equation_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace peruka {
namespace {

FitResult Fit(const std::vector<double>& highestFirst) {
  FitResult fit;
  fit.degree = static_cast<int>(highestFirst.size()) - 1;
  for (std::size_t i = 0; i < highestFirst.size(); ++i)
    fit.coefficients[highestFirst.size() - 1 - i] = highestFirst[i];
  return fit;
}

TEST(EquationText, FormsOfAFewFits) {
  struct Case {
    std::vector<double> coefficients;  // highest power first
    EquationForm form;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{2, 1}, EquationForm::Plain, "y = 2x + 1\n"},
      {{1.5, -0.25, 3}, EquationForm::Plain, "y = 1.5x^2 \u2212 0.25x + 3\n"},
      {{-1, 0, 0.1, -0.0}, EquationForm::Plain, "y = \u22121x^3 + 0.1x\n"},
      {{0, 0}, EquationForm::Plain, "y = 0\n"},
      {{1.5e-7, -2e300, 0}, EquationForm::Latex, "y = 1.5 \\times 10^{-7} x^{2} - 2 \\times 10^{300} x\n"},
      {{1.5, -0.25, 3}, EquationForm::Spreadsheet, "=1.5*A2^2-0.25*A2+3\n"},
      {{-1.5e-7, 0.5}, EquationForm::Spreadsheet, "=-1.5E-07*A2+0.5\n"},
      {{1.5, -0.25, 3}, EquationForm::C, "double p(double x) { return (1.5 * x - 0.25) * x + 3; }\n"},
      {{2, 1}, EquationForm::Python, "def p(x):\n    return 2 * x + 1\n"},
      {{1, -0.0, 0.1}, EquationForm::Python, "def p(x):\n    return (1 * x - 0) * x + 0.1\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(EquationText(Fit(c.coefficients), c.form), c.text);
  EXPECT_EQ(EquationFormNamed("c"), EquationForm::C);
  EXPECT_EQ(EquationFormNamed("C"), std::nullopt);
}

// The numbers of a Horner form, highest power first, each with the sign of
// the operator before it.
std::vector<double> HornerNumbers(const std::string& text) {
  std::vector<double> numbers;
  double sign = 1.0;
  for (const char* p = text.c_str(); *p != '\0';) {
    if ((*p >= '0' && *p <= '9') && (p == text.c_str() || !std::isalnum(static_cast<unsigned char>(p[-1])))) {
      char* end = nullptr;
      numbers.push_back(sign * std::strtod(p, &end));
      p = end;
      sign = 1.0;
    } else {
      if (*p == '-') sign = -1.0;
      ++p;
    }
  }
  return numbers;
}

TEST(EquationText, ProgramFormsReadBackToTheSameBits) {
  std::mt19937_64 engine(20261208);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int round = 0; round < 500; ++round) {
    std::vector<double> coefficients(static_cast<std::size_t>(1 + round % 21));
    for (double& c : coefficients) {
      do {
        const std::uint64_t b = bits(engine);
        std::memcpy(&c, &b, sizeof c);
      } while (!std::isfinite(c) || c == 0.0);  // a zero's sign does not survive "- 0" (it needs not)
    }
    const FitResult fit = Fit(coefficients);
    for (const EquationForm form : {EquationForm::C, EquationForm::Python}) {
      const std::string text = EquationText(fit, form);
      const std::size_t body = text.find("return ") + 7;
      const std::vector<double> numbers = HornerNumbers(text.substr(body));
      ASSERT_EQ(numbers.size(), coefficients.size()) << text;
      for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(std::memcmp(&numbers[i], &coefficients[i], sizeof(double)), 0) << text;
    }
  }
}

// The LaTeX form's grammar: balanced braces, and nothing but numbers,
// "x^{k}", "\times 10^{e}", signs and blanks after "y = ".
TEST(EquationText, LatexFormIsWellFormed) {
  const FitResult fit = Fit({-3.25e-12, 0, 7e22, -1, 0.5});
  const std::string text = EquationText(fit, EquationForm::Latex);
  ASSERT_EQ(text.rfind("y = ", 0), 0u);
  int depth = 0;
  for (const char c : text) {
    depth += c == '{' ? 1 : c == '}' ? -1 : 0;
    ASSERT_GE(depth, 0) << text;
  }
  EXPECT_EQ(depth, 0) << text;
  std::string rest = text.substr(4);
  for (const char* allowed : {"\\times 10^", "x^"})
    for (std::size_t at; (at = rest.find(allowed)) != std::string::npos;)
      rest.erase(at, std::strlen(allowed));
  EXPECT_EQ(rest.find_first_not_of("0123456789.{}-+ x\n"), std::string::npos) << text;
  EXPECT_EQ(text, "y = -3.25 \\times 10^{-12} x^{4} + 7 \\times 10^{22} x^{2} - 1 x + 0.5\n");
}

}  // namespace
}  // namespace peruka
