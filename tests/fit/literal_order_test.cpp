// The fit against a literal rendering of its order of work: every text
// converted afresh for every term, every power from RaisePower, every store
// checked at once. Random columns, including zeros, far-out magnitudes and
// refused texts, must give the same result, the same error and the same
// reports as the fit's faster route.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "fit/fit_polynomial.h"
#include "fit/text_lines.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "numeric/raise_power.h"

namespace peruka {
namespace {

double Stored(Extended value) {
  const double stored = StoreDouble(value);
  if (std::isnan(stored)) RaiseFault(kFaultFloatInvalidOperation);
  if (std::isinf(stored)) RaiseFault(kFaultFloatOverflow);
  return stored;
}

// Power sums and right-hand sides exactly in the order of the calculation.
void LiteralSums(int n, const TextLines& x, const TextLines& y, double* sums, double* rhs) {
  for (std::size_t r = 0; r < x.Count(); ++r) {
    for (int i = 0; i <= 2 * n; ++i) {
      const Extended xv = ParseDecimal(x.View(r));
      sums[i] = Stored(sums[i] + RaisePower(xv, static_cast<Extended>(i)));
    }
    for (int i = 0; i <= n; ++i) {
      const Extended xv = ParseDecimal(x.View(r));
      const Extended t = RaisePower(xv, static_cast<Extended>(i));
      const Extended yv = ParseDecimal(y.View(r));
      rhs[i] = Stored(yv * t + rhs[i]);
    }
  }
}

// Every coefficient as its bit pattern: a difference in the last bit shows.
std::string CoefficientBits(const FitResult& fit) {
  std::string bits = "coefficients";
  for (int k = 0; k <= fit.degree; ++k) {
    char hex[20];
    std::uint64_t pattern;
    std::memcpy(&pattern, &fit.coefficients[k], sizeof pattern);
    std::snprintf(hex, sizeof hex, " %016llX", static_cast<unsigned long long>(pattern));
    bits += hex;
  }
  return bits;
}

// The elimination, step by step, and the result text; the last store's
// overflow shows after the lead of the text.
std::string LiteralResult(int n, const double* sums, const double* rhs) {
  double a[21][22];
  for (int g = 0; g <= n; ++g) {
    for (int c = 0; c <= n; ++c) a[g][c] = sums[g + c];
    a[g][n + 1] = rhs[g];
  }
  bool lateOverflow = false;
  for (int h = 0; h <= n; ++h) {
    const double p = a[h][h];
    for (int c = h; c <= n + 1; ++c) a[h][c] = Stored(static_cast<Extended>(a[h][c]) / p);
    for (int r = 0; r <= n; ++r) {
      if (r == h) continue;
      const double f = a[r][h];
      for (int c = h; c <= n + 1; ++c) {
        const Extended v = static_cast<Extended>(a[r][c]) - static_cast<Extended>(f) * a[h][c];
        if (h == n && r == n - 1 && c == n + 1 && std::isinf(StoreDouble(v))) {
          lateOverflow = true;
          a[r][c] = StoreDouble(v);
        } else {
          a[r][c] = Stored(v);
        }
      }
    }
  }
  if (lateOverflow) return "late overflow";
  FitResult fit;
  fit.degree = n;
  for (int k = 0; k <= n; ++k) fit.coefficients[k] = a[k][n + 1];
  return CoefficientBits(fit);
}

// The coefficients, "late overflow", or the error's class and message.
std::string Outcome(const std::function<std::string()>& work, int& reports) {
  reports = 0;
  try {
    return work();
  } catch (const Exception& e) {
    return std::string(e.ClassName()) + " " + e.Message();
  }
}

std::string RandomText(std::mt19937_64& random) {
  static const char* const kSpecial[] = {"0",     "-0",    ".",       "-", "",    "1e200", "1e-200",
                                         "1e300", "-1e77", "1.2e-80", "3", "2.5", "-7"};
  const int kind = static_cast<int>(random() % 10);
  if (kind < 2) return kSpecial[random() % std::size(kSpecial)];
  char text[64];
  const double mantissa = static_cast<double>(random() % 2000000) / 1000.0 - 1000.0;
  const int exponent = kind < 8 ? 0 : static_cast<int>(random() % 120) - 60;
  std::snprintf(text, sizeof text, "%.6fe%d", mantissa, exponent);
  return text;
}

TEST(LiteralOrder, RandomColumnsGiveTheSameSumsErrorsAndReports) {
  SetLocaleDecimalMark('.');
  int reports = 0;
  auto previous = SetRuntimeMessagePresenter([&](std::string_view, std::string_view) { ++reports; });
  std::mt19937_64 random(20261207);
  int compared = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 1 + static_cast<int>(random() % 20);
    const int m = 1 + static_cast<int>(random() % 6);
    TextLines x, y;
    for (int r = 0; r < m; ++r) {
      x.Append(RandomText(random));
      y.Append(RandomText(random));
    }
    const std::string literal = Outcome(
        [&] {
          double sums[41] = {}, rhs[21] = {};
          LiteralSums(n, x, y, sums, rhs);
          return LiteralResult(n, sums, rhs);
        },
        reports);
    const int literalReports = reports;
    const std::string fast = Outcome(
        [&] {
          const FitResult fit = FitPolynomial(n - 1, x, y);
          return fit.lastStoreOverflowed ? std::string("late overflow") : CoefficientBits(fit);
        },
        reports);
    EXPECT_EQ(fast, literal) << "trial " << trial;
    EXPECT_EQ(reports, literalReports) << "trial " << trial;
    if (literal.rfind("coefficients", 0) == 0) ++compared;
  }
  EXPECT_GT(compared, 100);
  SetRuntimeMessagePresenter(previous);
}

}  // namespace
}  // namespace peruka
