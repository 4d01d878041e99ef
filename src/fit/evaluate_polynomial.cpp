#include "fit/evaluate_polynomial.h"

#include <cstddef>

namespace peruka {

Extended EvaluatePolynomial(const FitResult& fit, Extended x) {
  Extended value = fit.coefficients[static_cast<std::size_t>(fit.degree)];
  for (int k = fit.degree - 1; k >= 0; --k) value = value * x + fit.coefficients[static_cast<std::size_t>(k)];
  return value;
}

}  // namespace peruka
