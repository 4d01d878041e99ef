#include "fit/equation_text.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>

#include "numeric/shortest_decimal.h"

namespace peruka {

namespace {

// Pieces appended one after another (and no temporary grows at its front).
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text.append(piece);
  return text;
}

// The same with the exponent as spreadsheets write it: "1E-07".
std::string SpreadsheetNumber(double value) {
  std::string text = ShortestDecimal(value);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

// 1.5e-07 as "1.5 \times 10^{-7}".
std::string LatexNumber(double value) {
  const std::string text = ShortestDecimal(value);
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  const int exponent = std::stoi(text.substr(e + 1));
  return Joined({std::string_view(text).substr(0, e), " \\times 10^{", std::to_string(exponent), "}"});
}

double Coefficient(const FitResult& fit, int k) {
  const double value = fit.coefficients[static_cast<std::size_t>(k)];
  if (!std::isfinite(value)) throw std::invalid_argument("EquationText: a coefficient is not finite");
  return value;
}

// y = a x^n ± ... with the terms that are not zero; `power` writes x^k.
template <typename Number, typename Power>
std::string Sum(const FitResult& fit, std::string_view start, std::string_view minus, Number number,
                Power power) {
  std::string text(start);
  bool first = true;
  for (int k = fit.degree; k >= 0; --k) {
    const double value = Coefficient(fit, k);
    if (value == 0.0) continue;
    const bool negative = std::signbit(value);
    if (first)
      text += negative ? std::string(minus) : std::string();
    else
      text += negative ? Joined({" ", minus, " "}) : std::string(" + ");
    text += number(std::fabs(value)) + power(k);
    first = false;
  }
  if (first) text += "0";
  return text;
}

// (((a_n·x + a_{n−1})·x + ...)·x + a_0), with "-" for a negative term.
std::string Horner(const FitResult& fit) {
  std::string text = ShortestDecimal(Coefficient(fit, fit.degree));
  for (int k = fit.degree - 1; k >= 0; --k) {
    const double value = Coefficient(fit, k);
    const std::string inner = k == fit.degree - 1 ? text : Joined({"(", text, ")"});
    text = Joined({inner, " * x ", std::signbit(value) ? "- " : "+ ", ShortestDecimal(std::fabs(value))});
  }
  return text;
}

}  // namespace

std::optional<EquationForm> EquationFormNamed(std::string_view name) {
  if (name == "plain") return EquationForm::Plain;
  if (name == "latex") return EquationForm::Latex;
  if (name == "spreadsheet") return EquationForm::Spreadsheet;
  if (name == "c") return EquationForm::C;
  if (name == "python") return EquationForm::Python;
  return std::nullopt;
}

std::string EquationText(const FitResult& fit, EquationForm form) {
  switch (form) {
    case EquationForm::Plain:
      return Sum(
                 fit, "y = ", "\u2212", [](double value) { return ShortestDecimal(value); },
                 [](int k) {
                   return k == 0   ? std::string()
                          : k == 1 ? std::string("x")
                                   : Joined({"x^", std::to_string(k)});
                 }) +
             "\n";
    case EquationForm::Latex:
      return Sum(fit, "y = ", "-", LatexNumber,
                 [](int k) {
                   return k == 0   ? std::string()
                          : k == 1 ? std::string(" x")
                                   : Joined({" x^{", std::to_string(k), "}"});
                 }) +
             "\n";
    case EquationForm::Spreadsheet: {
      std::string text = Sum(fit, "=", "-", SpreadsheetNumber, [](int k) {
        return k == 0 ? std::string() : k == 1 ? std::string("*A2") : Joined({"*A2^", std::to_string(k)});
      });
      std::erase(text, ' ');
      return text + "\n";
    }
    case EquationForm::C:
      return Joined({"double p(double x) { return ", Horner(fit), "; }\n"});
    case EquationForm::Python:
      return Joined({"def p(x):\n    return ", Horner(fit), "\n"});
  }
  throw std::invalid_argument("EquationText: unknown form");
}

}  // namespace peruka
