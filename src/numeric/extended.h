// The 80-bit extended type and the few x87 operations the runtime needs.
//
// Everything that depends on how extended arithmetic is obtained lives here, so
// a software implementation can replace this header on a target whose long
// double is not the x87 format. Arithmetic on Extended values must round every
// single result to a 64-bit significand, to nearest with ties to even.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
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

// Usable in constant expressions, so that a value no literal can write (a NaN
// with a given payload, a denormal) can still be a constexpr constant.
constexpr Extended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  std::array<unsigned char, sizeof(Extended)> raw{};
  for (std::size_t i = 0; i < 8; ++i) raw[i] = static_cast<unsigned char>(significand >> (8 * i));
  raw[8] = static_cast<unsigned char>(signExponent);
  raw[9] = static_cast<unsigned char>(signExponent >> 8);
  return std::bit_cast<Extended>(raw);
}

constexpr Extended FromBits(ExtendedBits bits) { return FromBits(bits.signExponent, bits.significand); }

inline int ExponentField(Extended v) { return BitsOf(v).signExponent & 0x7FFF; }
inline bool SignBit(Extended v) { return (BitsOf(v).signExponent & 0x8000) != 0; }

// Nearest integer, ties to even (the rounding mode in force is always nearest).
inline Extended RoundToNearestInteger(Extended v) { return std::nearbyint(v); }
inline Extended TruncateToInteger(Extended v) { return std::trunc(v); }
inline Extended ScaleByPowerOfTwo(Extended v, int n) { return std::ldexp(v, n); }

// ln 2 and log2(e) as the x87 loads them (FLDLN2, FLDL2E) under rounding to
// nearest: the nearest extended values, ln 2 in [0.5, 1) (exponent field
// 3FFE), log2(e) in [1, 2) (field 3FFF).
inline constexpr Extended kLn2 = 0xB.17217F7D1CF79ACp-4L;
inline constexpr Extended kLog2e = 0xB.8AA3B295C17F0BCp-3L;

// y * log2(x), rounded once (FYL2X). x > 0.
inline Extended YLog2X(Extended y, Extended x) {
  assert(x > 0.0L);
  Extended r;
  asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}

// 2^x - 1 for |x| <= 1, rounded once (F2XM1).
inline Extended TwoToXMinusOne(Extended x) {
  assert(std::fabs(x) <= 1.0L);
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
