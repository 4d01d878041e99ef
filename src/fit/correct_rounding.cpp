#include "fit/correct_rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace peruka {

namespace {

constexpr int kSignificandBits = 53;
constexpr int kMinNormalExponent = -1022;  // of the leading bit
constexpr int kMinSubnormalExponent = -1074;
constexpr int kMaxExponent = 1023;
// Bits beyond the significand that the scaled quotient carries, so that the
// bit below the last kept one is always there.
constexpr int kGuardBits = 3;

// (scaled + f) · 2^exponent, 0 <= f < 1 and f > 0 exactly when `inexact`,
// rounded to a double. scaled > 0 carries at least kGuardBits more bits
// than it keeps.
double RoundScaled(const BigInteger& scaled, long exponent, bool inexact, bool negative) {
  const long leading = static_cast<long>(msb(scaled)) + exponent;
  long drop = static_cast<long>(msb(scaled)) + 1 - kSignificandBits;
  if (leading < kMinNormalExponent) drop += kMinNormalExponent - leading;
  if (drop < 1) throw std::logic_error("RoundScaled: too few bits");
  BigInteger kept = scaled >> static_cast<unsigned>(drop);
  const BigInteger rest = scaled - (kept << static_cast<unsigned>(drop));
  const BigInteger half = BigInteger(1) << static_cast<unsigned>(drop - 1);
  if (rest > half || (rest == half && (inexact || bit_test(kept, 0)))) ++kept;
  const long resultExponent = exponent + drop;
  const auto significand = kept.convert_to<std::uint64_t>();
  double magnitude;
  if (significand != 0 && static_cast<long>(msb(kept)) + resultExponent > kMaxExponent)
    magnitude = std::numeric_limits<double>::infinity();
  else
    magnitude = std::ldexp(static_cast<double>(significand), static_cast<int>(resultExponent));
  return negative ? -magnitude : magnitude;
}

}  // namespace

double RoundToDouble(const Fraction& value) {
  if (value.numerator == 0) return 0.0;
  const bool negative = value.numerator < 0;
  const BigInteger magnitude = abs(value.numerator);
  // magnitude / denominator · 2^shift has kSignificandBits + kGuardBits bits
  // or one more.
  const long shift = static_cast<long>(msb(value.denominator)) - static_cast<long>(msb(magnitude)) +
                     kSignificandBits + kGuardBits;
  BigInteger quotient, remainder;
  if (shift >= 0)
    divide_qr(BigInteger(magnitude << static_cast<unsigned>(shift)), value.denominator, quotient, remainder);
  else
    divide_qr(magnitude, BigInteger(value.denominator << static_cast<unsigned>(-shift)), quotient, remainder);
  return RoundScaled(quotient, -shift, remainder != 0, negative);
}

double RoundSquareRootToDouble(const Fraction& value) {
  if (value.numerator < 0 || value.denominator <= 0) throw std::domain_error("square root of a negative");
  if (value.numerator == 0) return 0.0;
  // sqrt(n / d) · 2^k with k chosen so that the root has enough bits:
  // floor(sqrt(floor(n · 4^k / d))) is floor(sqrt(n · 4^k / d)).
  const long log2 = static_cast<long>(msb(value.numerator)) - static_cast<long>(msb(value.denominator));
  const long k = kSignificandBits + kGuardBits + 1 - log2 / 2;
  BigInteger quotient, remainder;
  if (k >= 0)
    divide_qr(BigInteger(value.numerator << static_cast<unsigned>(2 * k)), value.denominator, quotient,
              remainder);
  else
    divide_qr(value.numerator, BigInteger(value.denominator << static_cast<unsigned>(-2 * k)), quotient,
              remainder);
  const BigInteger root = sqrt(quotient);
  const bool inexact = remainder != 0 || root * root != quotient;
  return RoundScaled(root, -k, inexact, false);
}

int CompareMagnitudes(const Fraction& a, const Fraction& b) {
  const BigInteger left = abs(a.numerator) * b.denominator;
  const BigInteger right = abs(b.numerator) * a.denominator;
  return left < right ? -1 : (left > right ? 1 : 0);
}

Fraction ExactValue(double value) {
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);  // value = fraction · 2^exponent
  const auto significand = static_cast<std::int64_t>(std::ldexp(fraction, kSignificandBits));
  Fraction exact{BigInteger(significand), BigInteger(1)};
  const int shift = exponent - kSignificandBits;
  if (shift >= 0)
    exact.numerator <<= static_cast<unsigned>(shift);
  else
    exact.denominator <<= static_cast<unsigned>(-shift);
  return exact;
}

}  // namespace peruka
