#include "fit/fitted_value.h"

#include <cstddef>

#include "fit/evaluate_polynomial.h"
#include "numeric/shortest_decimal.h"

namespace peruka {

namespace {

std::string IntervalText(const std::optional<Interval>& interval, char decimalMark) {
  if (!interval) return "定義されません";
  // A comma as the decimal mark would make "[1,5, 2,5]" ambiguous.
  const std::string_view between = decimalMark == ',' ? "; " : ", ";
  std::string text(1, '[');
  text.append(ShortestDecimal(interval->lower, decimalMark))
      .append(between)
      .append(ShortestDecimal(interval->upper, decimalMark))
      .append(1, ']');
  return text;
}

}  // namespace

std::optional<FitResult> ExactPolynomial(const ExactFit& exact) {
  if (!exact.Unique()) return std::nullopt;
  FitResult polynomial;
  polynomial.degree = exact.Degree();
  for (int k = 0; k <= exact.Degree(); ++k)
    polynomial.coefficients[static_cast<std::size_t>(k)] = exact.Coefficient(k);
  return polynomial;
}

FittedValue EvaluateFit(const FitResult& calculated, const ExactFit* exact, double x, std::string_view xText,
                        char decimalMark) {
  if (exact != nullptr && !(exact->Unique() && exact->Finite())) exact = nullptr;
  const FitResult polynomial = exact != nullptr ? *ExactPolynomial(*exact) : calculated;
  FittedValue fitted;
  fitted.fromExact = exact != nullptr;
  fitted.value = StoreDouble(EvaluatePolynomial(polynomial, static_cast<Extended>(x)));
  if (exact == nullptr) return fitted;
  const std::optional<ExactFit::ErrorsAt> errors = exact->StandardErrorsAt(xText, decimalMark);
  if (!errors) return fitted;
  const double t = *exact->TQuantile();
  fitted.mean = Interval{fitted.value - t * errors->mean, fitted.value + t * errors->mean};
  fitted.prediction = Interval{fitted.value - t * errors->prediction, fitted.value + t * errors->prediction};
  return fitted;
}

std::string FittedValueText(std::string_view x, const FittedValue& fitted, char decimalMark) {
  std::string text("p(");
  text.append(x)
      .append(") = ")
      .append(ShortestDecimal(fitted.value, decimalMark))
      .append(fitted.fromExact ? " (厳密解)" : " (計算結果)")
      .append("  95% 信頼区間: ")
      .append(IntervalText(fitted.mean, decimalMark))
      .append("  95% 予測区間: ")
      .append(IntervalText(fitted.prediction, decimalMark));
  return text;
}

}  // namespace peruka
