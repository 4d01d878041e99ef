#include "numeric/soft_log2.h"

#include <bit>
#include <cstdint>

namespace peruka {

namespace {

using U128 = unsigned __int128;

constexpr U128 Make(std::uint64_t hi, std::uint64_t lo) { return (static_cast<U128>(hi) << 64) | lo; }
// ln 2 * 2^128 and 2 / ln 2 * 2^126, rounded.
constexpr U128 kLn2Fixed = Make(0xB17217F7D1CF79ABULL, 0xC9E3B39803F2F6AFULL);
constexpr U128 kTwoOverLn2Fixed = Make(0xB8AA3B295C17F0BBULL, 0xBE87FED0691D3E89ULL);
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

// The high 128 bits of a 256-bit product.
U128 MulHigh(U128 a, U128 b) {
  const auto a0 = static_cast<std::uint64_t>(a), a1 = static_cast<std::uint64_t>(a >> 64);
  const auto b0 = static_cast<std::uint64_t>(b), b1 = static_cast<std::uint64_t>(b >> 64);
  const U128 low = static_cast<U128>(a0) * b0;
  const U128 mid1 = static_cast<U128>(a1) * b0;
  const U128 mid2 = static_cast<U128>(a0) * b1;
  const U128 carry =
      ((low >> 64) + static_cast<std::uint64_t>(mid1) + static_cast<std::uint64_t>(mid2)) >> 64;
  return static_cast<U128>(a1) * b1 + (mid1 >> 64) + (mid2 >> 64) + carry;
}

int LeadingZeros(U128 v) {
  const auto hi = static_cast<std::uint64_t>(v >> 64);
  return hi != 0 ? std::countl_zero(hi) : 64 + std::countl_zero(static_cast<std::uint64_t>(v));
}

// Rounds sig * 2^(exp - 127) times the 64-bit significand `m` (whose own
// scale is 2^(mExp - 63)) once to an extended value.
SoftExtended RoundProduct(bool negative, U128 sig, std::int32_t exp, std::uint64_t m, std::int32_t mExp) {
  const int lz = LeadingZeros(sig);
  sig <<= lz;
  exp -= lz;
  // 192-bit product, kept as its top 128 bits and a sticky bit.
  const U128 low = static_cast<U128>(static_cast<std::uint64_t>(sig)) * m;
  U128 high = static_cast<U128>(static_cast<std::uint64_t>(sig >> 64)) * m;
  high += low >> 64;
  const bool sticky = static_cast<std::uint64_t>(low) != 0;
  std::int32_t e = exp + mExp + 1;  // the product of [1,2) values is in [1,4)
  const int shift = LeadingZeros(high);
  high <<= shift;
  e -= shift;
  unsigned ignored = 0;
  return SoftExtended::RoundPack(negative, e, static_cast<std::uint64_t>(high >> 64),
                                 static_cast<std::uint64_t>(high) | (sticky ? 1 : 0), ignored);
}

struct Finite {
  bool negative;
  std::int32_t exp;  // of the top bit
  std::uint64_t sig;
};

Finite Normalise(SoftExtended v) {
  const int field = v.SignExponent() & 0x7FFF;
  std::uint64_t sig = v.Significand();
  std::int32_t exp = (field == 0 ? 1 : field) - 16383;
  const int lz = std::countl_zero(sig);
  return {(v.SignExponent() & 0x8000) != 0, exp - lz, sig << lz};
}

}  // namespace

SoftExtended SoftYLog2X(SoftExtended y, SoftExtended x) {
  const int fieldX = x.SignExponent() & 0x7FFF;
  const int fieldY = y.SignExponent() & 0x7FFF;
  const bool special = fieldX == 0x7FFF || fieldY == 0x7FFF || (x.Significand() >> 63) == 0 ||
                       (fieldY != 0 && (y.Significand() >> 63) == 0) || (x.SignExponent() & 0x8000);
  if (special) {
    unsigned ignored = 0;
    if (!(x == x) || !(y == y)) return SoftExtended::Add(x, y, ignored);  // the NaN rules
    if (x.Significand() == 0) return -y / 0.0;                            // log2(0) = -inf
    if (x < 0.0) return SoftExtended::FromBits(0xFFFF, 0xC000000000000000ULL);
    if (fieldX == 0x7FFF) return y * x;  // log2(inf) = inf
  }
  if (x == 1.0) return y * 0.0;
  if (y.Significand() == 0) return x < 1.0 ? -y : y;  // the sign of y * log2(x)
  const Finite fx = Normalise(x);
  std::int32_t e = fx.exp;
  // m / 2^64 in [sqrt(1/2), sqrt(2)), exact.
  U128 m = static_cast<U128>(fx.sig) << 1;
  if (fx.sig > 0xB504F333F9DE6484ULL) {
    m = fx.sig;
    ++e;
  }
  constexpr U128 kOne = static_cast<U128>(1) << 64;
  const bool below = m < kOne;
  const U128 num = below ? kOne - m : m - kOne;
  const U128 den = m + kOne;
  // s = num / den = q / 2^(62 + sh), q with 121 bits and more.
  U128 lnScaled = 0;  // log2(m) = lnScaled * 2^(-59 - sh)
  int sh = 0;
  if (num != 0) {
    sh = LeadingZeros(num) - 2;
    const U128 n = num << sh;
    const U128 q1 = n / den;
    const U128 r1 = n % den;
    const U128 q = (q1 << 62) | ((r1 << 62) / den);
    // F = 1 + s^2/3 + s^4/5 + ..., fixed point 2^127.
    const U128 s128 = sh >= 66 ? q >> (sh - 66) : q << (66 - sh);
    const U128 s2 = MulHigh(s128, s128);
    U128 f = (static_cast<U128>(1) << 127) / 57;
    for (unsigned j = 28; j-- > 0;) f = (static_cast<U128>(1) << 127) / (2 * j + 1) + MulHigh(f, s2);
    lnScaled = MulHigh(MulHigh(kTwoOverLn2Fixed, f), q);
  }
  // T = e + log2(m).
  U128 t;
  std::int32_t tExp;  // T = t * 2^(tExp - 127)
  bool negative;
  if (e == 0) {
    t = lnScaled;
    tExp = 127 - 59 - sh;
    negative = below;
  } else {
    // Fixed point 2^110: |e| < 2^15.
    const U128 whole = static_cast<U128>(e < 0 ? -static_cast<std::int64_t>(e) : e) << 110;
    const U128 frac = num == 0 ? 0 : lnScaled >> (sh - 51);  // x a power of two: log2(m) = 0
    negative = e < 0;
    t = (negative == below) ? whole + frac : whole - frac;
    tExp = 127 - 110;
  }
  const Finite fy = Normalise(y);
  return RoundProduct(negative != fy.negative, t, tExp, fy.sig, fy.exp);
}

SoftExtended SoftTwoToXMinusOne(SoftExtended x) {
  if (!(x == x)) {
    unsigned ignored = 0;
    return SoftExtended::Add(x, x, ignored);
  }
  if ((x.SignExponent() & 0x7FFF) == 0 && x.Significand() == 0) return x;
  const Finite fx = Normalise(x);
  // f(x) = (2^x - 1) / x = ln2 (1 + (t/2)(1 + (t/3)(1 + ...))), t = x ln2,
  // all in fixed point 2^126; the terms alternate for a negative x.
  U128 xFixed = 0;  // |x| * 2^126 = sig * 2^(exp + 63)
  const std::int32_t up = fx.exp + 63;
  if (up >= 0)
    xFixed = static_cast<U128>(fx.sig) << up;
  else if (up > -64)
    xFixed = static_cast<U128>(fx.sig) >> -up;
  const U128 t = MulHigh(xFixed, kLn2Fixed);
  const U128 one = static_cast<U128>(1) << 126;
  U128 acc = one;
  for (unsigned k = 40; k >= 2; --k) {
    const U128 step = MulHigh(acc, t / k) << 2;
    acc = fx.negative ? one - step : one + step;
  }
  const U128 f = MulHigh(acc, kLn2Fixed);  // f(x) * 2^126
  return RoundProduct(fx.negative, f, 1, fx.sig, fx.exp);
}

}  // namespace peruka
