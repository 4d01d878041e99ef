// How well a finished fit matches its points, and how far its normal
// equations can be trusted. Nothing here changes the fit: the figures are
// computed afterwards from the points and the stored coefficients.
//
// With m points (x_i, y_i), the degree n and the coefficients c_k as stored
// (doubles), every sum and product in extended precision:
//   p(x)   = c_0 + x·(c_1 + x·(... + x·c_n))       (Horner's rule)
//   r_i    = y_i − p(x_i)                          (residual of point i)
//   SSres  = Σ r_i²
//   ȳ      = (Σ y_i) / m,  SStot = Σ (y_i − ȳ)²
//   R²     = 1 − SSres / SStot                     (undefined when every y_i
//            is the same, i.e. SStot = 0; tested on the values themselves,
//            so a rounded mean cannot make SStot a tiny positive number)
//   R²adj  = 1 − (1 − R²)·(m − 1)/(m − n − 1)      (when R² is defined and
//            m > n + 1)
//   s      = sqrt(SSres / (m − n − 1))             (residual standard error,
//            when m > n + 1)
//   max |r_i| and its i, counted from 0 (the first i on ties)
//   κ₁(A)  = ‖A‖₁ · ‖A⁻¹‖₁,  A[j][k] = Σ x_i^(j+k)  (j, k = 0..n)
// κ₁ is the 1-norm condition number of the normal matrix, ‖·‖₁ the largest
// column sum of absolute values. A⁻¹ comes from a Gauss-Jordan elimination
// with partial pivoting of a copy of A, all in extended precision; it is an
// estimate only, independent of the fit's own elimination. A singular A, or
// one whose entries or inverse leave the extended range, has κ₁ = +∞.
//
// The fit stores its matrix and coefficients as doubles, which hold about
// 16 significant decimal digits; solving the normal equations may lose up to
// log10(κ₁) of them. Above kConditionWarningThreshold = 1e12 fewer than
// about 4 digits of the coefficients can be relied on, and the warning is
// set.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "fit/column.h"
#include "fit/fit_polynomial.h"

namespace peruka {

inline constexpr double kConditionWarningThreshold = 1e12;

struct FitQuality {
  std::size_t points = 0;
  std::optional<double> rSquared;               // undefined for a constant y
  std::optional<double> adjustedRSquared;       // needs R² and m > n + 1
  std::optional<double> residualStandardError;  // needs m > n + 1
  double maxAbsResidual = 0.0;
  std::size_t maxResidualPoint = 0;  // from 0
  double condition = 0.0;            // κ₁, +∞ when A is singular or out of range
  bool conditionWarning = false;     // condition > kConditionWarningThreshold
};

// The figures for the points (x[i], y[i]); x and y have the same size, at
// least 1. Throws std::invalid_argument otherwise.
FitQuality MeasureFit(const FitResult& fit, std::span<const double> x, std::span<const double> y);

// The same for the columns the fit read: each (trimmed) line converted by
// ParseDecimal, as the fit converts it. Throws EConvertError for a text the
// fit would have refused.
FitQuality MeasureFit(const FitResult& fit, const Column& xColumn, const Column& yColumn);

// κ₁ of the normal matrix of degree n (0..kMaxDegree) for the given x.
double NormalMatrixCondition(int degree, std::span<const double> x);

}  // namespace peruka
