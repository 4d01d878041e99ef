// The 80-bit extended type and the few x87 operations the runtime needs.
//
// Everything that depends on how extended arithmetic is obtained lives here, so
// a software implementation can replace this header on a target whose long
// double is not the x87 format. Arithmetic on Extended values must round every
// single result to a 64-bit significand, to nearest with ties to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace peruka {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the x87 80-bit format (64-bit significand)");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended must have a 15-bit exponent field");

// Exponent field value of infinities and NaNs, and the bias of the field.
inline constexpr int kExtendedExponentAllOnes = 0x7FFF;
inline constexpr int kExtendedExponentBias = 16383;

// The two halves of the memory format: sign and exponent, then the significand
// with its explicit integer bit.
struct ExtendedBits {
  std::uint16_t signExponent;
  std::uint64_t significand;
};

inline ExtendedBits BitsOf(Extended v) {
  unsigned char raw[sizeof(Extended)];
  std::memcpy(raw, &v, sizeof raw);
  ExtendedBits bits;
  std::memcpy(&bits.significand, raw, 8);
  std::memcpy(&bits.signExponent, raw + 8, 2);
  return bits;
}

inline Extended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  unsigned char raw[sizeof(Extended)] = {};
  std::memcpy(raw, &significand, 8);
  std::memcpy(raw + 8, &signExponent, 2);
  Extended v;
  std::memcpy(&v, raw, sizeof raw);
  return v;
}

inline Extended FromBits(ExtendedBits bits) { return FromBits(bits.signExponent, bits.significand); }

inline int ExponentField(Extended v) { return BitsOf(v).signExponent & 0x7FFF; }
inline bool SignBit(Extended v) { return (BitsOf(v).signExponent & 0x8000) != 0; }

// Nearest integer, ties to even (the rounding mode in force is always nearest).
inline Extended RoundToNearestInteger(Extended v) { return std::nearbyint(v); }
inline Extended TruncateToInteger(Extended v) { return std::trunc(v); }
inline Extended ScaleByPowerOfTwo(Extended v, int n) { return std::ldexp(v, n); }

// ln 2 and log2(e) as the x87 loads them under rounding to nearest.
inline Extended Ln2Constant() { return FromBits(0x3FFE, 0xB17217F7D1CF79ACULL); }
inline Extended Log2eConstant() { return FromBits(0x3FFF, 0xB8AA3B295C17F0BCULL); }

// y * log2(x), rounded once (FYL2X). x > 0.
inline Extended YLog2X(Extended y, Extended x) {
  Extended r;
  asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}

// 2^x - 1 for |x| <= 1, rounded once (F2XM1).
inline Extended TwoToXMinusOne(Extended x) {
  Extended r;
  asm("f2xm1" : "=t"(r) : "0"(x));
  return r;
}

// Rounds to a 64-bit double by the rounding mode in force (nearest, ties to
// even). An infinite result means the store overflowed.
inline double StoreDouble(Extended v) { return static_cast<double>(v); }

// Selects a 64-bit significand and rounding to nearest on the x87 unit while
// leaving every exception masked: faults are found from the stored results.
void EnsureExtendedPrecision();

}  // namespace peruka
