#include "fit/result_text.h"

#include "numeric/format_fixed.h"

namespace peruka {

namespace {
constexpr int kCoefficientDigits = 15;
constexpr int kCoefficientDecimals = 15;

std::string Coefficient(double value) { return FormatFixed(value, kCoefficientDigits, kCoefficientDecimals); }
}  // namespace

std::string ResultText(const FitResult& fit) {
  std::string text(kResultLead);
  for (int k = fit.degree; k >= 1; --k) {
    text += '(';
    text += Coefficient(fit.coefficients[static_cast<std::size_t>(k)]);
    text += ") x^";
    text += FormatInteger(k);
    text += "\n   + ";
  }
  text += '(';
  text += Coefficient(fit.coefficients[0]);
  text += ')';
  return text;
}

}  // namespace peruka
