// One point's power-sum terms: the route the fit takes (and the software
// route, which on x86 then meets the x87) against the plain loop over the
// square-and-multiply powers with every sum stored on its own. Runs of points
// from sums of every class (zero, denormal, near overflow, infinite, NaN),
// with x over the whole band that square-and-multiply covers.
#include "numeric/power_terms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "numeric/extended.h"
#include "numeric/raise_power.h"
#include "numeric/soft_power_terms.h"

namespace peruka {
namespace {

constexpr int kSums = 2 * kMaxPowerTermsDegree + 1;

void PlainLoop(int n, double x, double y, double* sums, double* rhs) {
  Extended powers[kSums];
  SquareAndMultiplyPowers(x, 2 * n, powers);
  for (int i = 0; i <= 2 * n; ++i) sums[i] = StoreDouble(sums[i] + powers[i]);
  for (int i = 0; i <= n; ++i) rhs[i] = StoreDouble(static_cast<Extended>(y) * powers[i] + rhs[i]);
}

// A double with a random 53-bit significand (or a short decimal's) and the
// binary exponent e, which may lie in the denormal range.
double WithExponent(std::mt19937_64& random, int e) {
  const double fraction = random() % 2 ? static_cast<double>(random() % 2000) / 1000.0
                                       : std::ldexp(static_cast<double>(random() >> 11), -53);
  return std::ldexp(1.0 + fraction / 2.0, e) * (random() % 2 ? -1.0 : 1.0);
}

// Any double x that square-and-multiply covers up to x^(2n): from the whole
// band, its edges and around one.
double CoveredX(std::mt19937_64& random, int n) {
  const int top = n == 0 ? 0 : std::bit_width(static_cast<unsigned>(2 * n)) - 1;
  const int limit = std::min(1 << (13 - top), 1100);
  for (;;) {
    int e;
    switch (random() % 4) {
      case 0:
        e = random() % 2 ? limit - 1 - static_cast<int>(random() % 3)
                         : -limit + static_cast<int>(random() % 3);
        break;
      case 1:
        e = static_cast<int>(random() % 9) - 4;
        break;
      default:
        e = static_cast<int>(random() % (2 * limit)) - limit;
    }
    const double x = WithExponent(random, e);
    if (x != 0 && SquareAndMultiplyCovers(x, 2 * n)) return x;
  }
}

double AnyY(std::mt19937_64& random) {
  switch (random() % 8) {
    case 0:
      return random() % 2 ? 0.0 : -0.0;
    case 1:
      return WithExponent(random, -1074 + static_cast<int>(random() % 60));  // denormal
    case 2:
      return WithExponent(random, 1000 + static_cast<int>(random() % 24));
    default:
      return WithExponent(random, static_cast<int>(random() % 41) - 20);
  }
}

double AnySum(std::mt19937_64& random) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  switch (random() % 10) {
    case 0:
      return random() % 2 ? 0.0 : -0.0;
    case 1:
      return WithExponent(random, -1074 + static_cast<int>(random() % 80));
    case 2:
      return WithExponent(random, 1023 - static_cast<int>(random() % 3));  // about to overflow
    case 3:
      return random() % 3 == 0 ? std::numeric_limits<double>::quiet_NaN() : random() % 2 ? kInf : -kInf;
    default:
      return WithExponent(random, static_cast<int>(random() % 200) - 100);
  }
}

std::string Bits(const double* values, int count) {
  std::string text;
  char hex[20];
  for (int i = 0; i < count; ++i) {
    std::snprintf(hex, sizeof hex, " %016llX",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(values[i])));
    text += hex;
  }
  return text;
}

struct Route {
  const char* name;
  void (*add)(int, double, double, double*, double*);
};

void PrintTo(const Route& route, std::ostream* os) { *os << route.name; }

class PowerTerms : public ::testing::TestWithParam<Route> {};

TEST_P(PowerTerms, EqualThePlainLoop) {
  std::mt19937_64 random(20261207);
  int mismatches = 0;
  for (int trial = 0; trial < 1500 && mismatches < 3; ++trial) {
    const int n = static_cast<int>(random() % (kMaxPowerTermsDegree + 1));
    double sums[kSums], rhs[kMaxPowerTermsDegree + 1];
    for (double& s : sums) s = random() % 4 == 0 ? AnySum(random) : 0.0;
    for (double& s : rhs) s = random() % 4 == 0 ? AnySum(random) : 0.0;
    double expectedSums[kSums], expectedRhs[kMaxPowerTermsDegree + 1];
    std::copy(std::begin(sums), std::end(sums), expectedSums);
    std::copy(std::begin(rhs), std::end(rhs), expectedRhs);
    // A run of points, as data arrive: the sums grow, and terms meet sums
    // of every size.
    for (int point = 0; point < 40; ++point) {
      const double x = CoveredX(random, n);
      const double y = AnyY(random);
      GetParam().add(n, x, y, sums, rhs);
      PlainLoop(n, x, y, expectedSums, expectedRhs);
      const std::string got = Bits(sums, 2 * n + 1) + " |" + Bits(rhs, n + 1);
      const std::string expected = Bits(expectedSums, 2 * n + 1) + " |" + Bits(expectedRhs, n + 1);
      if (got != expected) {
        ADD_FAILURE() << "degree " << n << ", x " << std::hexfloat << x << ", y " << y << "\n  got     "
                      << got << "\n  plain   " << expected;
        ++mismatches;
        break;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Routes, PowerTerms,
                         ::testing::Values(Route{"ForTheBackend", AddPowerTerms},
                                           Route{"InSoftware", SoftAddPowerTerms}),
                         [](const ::testing::TestParamInfo<Route>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace peruka
