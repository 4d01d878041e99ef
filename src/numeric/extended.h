// The 80-bit extended type and the few x87 operations the runtime needs.
//
// Everything that depends on how extended arithmetic is obtained lives here.
// Two backends give the same bits: the x87 unit through the compiler's long
// double (where that is the x87 format), or SoftExtended, which computes the
// format with integer operations. PERUKA_EXTENDED_SOFTWARE (set by the
// PERUKA_EXTENDED_BACKEND build option) chooses; nothing outside this header
// may depend on which is in use, so code above it uses only the operators,
// conversions from double and integers, and the helpers below (never the
// long double functions of <cmath>, L literals or a bit_cast to long double).
// Arithmetic on Extended values rounds every single result to a 64-bit
// significand, to nearest with ties to even.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#if PERUKA_EXTENDED_SOFTWARE
#include "numeric/soft_extended.h"
#include "numeric/soft_log2.h"
#endif

namespace peruka {

#if PERUKA_EXTENDED_SOFTWARE
using Extended = SoftExtended;
#else
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the x87 80-bit format (64-bit significand)");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended must have a 15-bit exponent field");
#endif

// Exponent field value of infinities and NaNs, and the bias of the field.
inline constexpr int kExtendedExponentAllOnes = 0x7FFF;
inline constexpr int kExtendedExponentBias = 16383;

// The two halves of the memory format: sign and exponent, then the significand
// with its explicit integer bit.
struct ExtendedBits {
  std::uint16_t signExponent;
  std::uint64_t significand;
};

#if PERUKA_EXTENDED_SOFTWARE
inline ExtendedBits BitsOf(Extended v) { return {v.SignExponent(), v.Significand()}; }

constexpr Extended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  return SoftExtended::FromBits(signExponent, significand);
}
#else
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
#endif

constexpr Extended FromBits(ExtendedBits bits) { return FromBits(bits.signExponent, bits.significand); }

inline int ExponentField(Extended v) { return BitsOf(v).signExponent & 0x7FFF; }
inline bool SignBit(Extended v) { return (BitsOf(v).signExponent & 0x8000) != 0; }

inline constexpr Extended kExtendedInfinity = FromBits(0x7FFF, 0x8000000000000000ULL);
inline constexpr Extended kExtendedMax = FromBits(0x7FFE, 0xFFFFFFFFFFFFFFFFULL);

// ln 2 and log2(e) as the x87 loads them (FLDLN2, FLDL2E) under rounding to
// nearest: the nearest extended values, ln 2 in [0.5, 1) (exponent field
// 3FFE), log2(e) in [1, 2) (field 3FFF).
inline constexpr Extended kLn2 = FromBits(0x3FFE, 0xB17217F7D1CF79ACULL);
inline constexpr Extended kLog2e = FromBits(0x3FFF, 0xB8AA3B295C17F0BCULL);

#if PERUKA_EXTENDED_SOFTWARE
// A NaN compares unordered with itself, as on the x87 (an invalid encoding
// too).
inline bool IsNaN(Extended v) { return !(v == v); }
inline bool IsInf(Extended v) {
  return (v.SignExponent() & 0x7FFF) == 0x7FFF && v.Significand() == 0x8000000000000000ULL;
}
inline bool IsFinite(Extended v) { return !IsNaN(v) && !IsInf(v); }
inline Extended Abs(Extended v) {
  return FromBits(static_cast<std::uint16_t>(v.SignExponent() & 0x7FFF), v.Significand());
}

// Nearest integer, ties to even (the rounding mode in force is always nearest).
inline Extended RoundToNearestInteger(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::RoundToIntegral(v, SoftRounding::kNearest, ignored);
}
inline Extended TruncateToInteger(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::RoundToIntegral(v, SoftRounding::kTowardZero, ignored);
}
inline Extended ScaleByPowerOfTwo(Extended v, int n) {
  unsigned ignored = 0;
  return SoftExtended::Scale(v, n, ignored);
}
inline Extended Sqrt(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::Sqrt(v, ignored);
}
// For |v| < 2^63.
inline std::int64_t TruncateToInt64(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::ToInt64(v, SoftRounding::kTowardZero, ignored);
}
inline std::int64_t RoundToInt64(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::ToInt64(v, SoftRounding::kNearest, ignored);
}

// y * log2(x) (x > 0) and 2^x - 1 (|x| <= 1): see soft_log2.h for how close
// these come to FYL2X and F2XM1.
inline Extended YLog2X(Extended y, Extended x) {
  assert(x > 0.0);
  return SoftYLog2X(y, x);
}
inline Extended TwoToXMinusOne(Extended x) {
  assert(Abs(x) <= 1.0);
  return SoftTwoToXMinusOne(x);
}

// Rounds to a 64-bit double, to nearest with ties to even. An infinite
// result means the store overflowed.
inline double StoreDouble(Extended v) {
  unsigned ignored = 0;
  return SoftExtended::ToDouble(v, ignored);
}
#else
inline bool IsNaN(Extended v) { return std::isnan(v); }
inline bool IsInf(Extended v) { return std::isinf(v); }
inline bool IsFinite(Extended v) { return std::isfinite(v); }
inline Extended Abs(Extended v) { return std::fabs(v); }

// Nearest integer, ties to even (the rounding mode in force is always nearest).
inline Extended RoundToNearestInteger(Extended v) { return std::nearbyint(v); }
inline Extended TruncateToInteger(Extended v) { return std::trunc(v); }
inline Extended ScaleByPowerOfTwo(Extended v, int n) { return std::ldexp(v, n); }
inline Extended Sqrt(Extended v) { return std::sqrt(v); }
// For |v| < 2^63.
inline std::int64_t TruncateToInt64(Extended v) { return static_cast<std::int64_t>(v); }
inline std::int64_t RoundToInt64(Extended v) { return std::llrint(v); }

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
#endif

// Selects a 64-bit significand and rounding to nearest on the x87 unit while
// leaving every exception masked: faults are found from the stored results.
void EnsureExtendedPrecision();

}  // namespace peruka
