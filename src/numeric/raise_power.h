// x to the power y in extended precision, with the math-error reports of the
// runtime (a box "powl: DOMAIN error" for 0 to the power 0, among others).
#pragma once

#include <bit>
#include <cassert>

#include "numeric/extended.h"

namespace peruka {

// Small integral exponents use left-to-right square-and-multiply, each
// product rounded to extended; other exponents take the logarithm path
// (FYL2X, F2XM1, FSCALE). Domain and overflow errors are reported through
// ReportMathError and return a substitute value; nothing is thrown, except
// EOverflow when y × ln x itself overflows (|y| above about 1e4928).
// Examples: RaisePower(3, 5) == 243; RaisePower(0, 0) == 1 after one report.
Extended RaisePower(Extended x, Extended y);

// sqrt(2) rounded upward in its last bit (nearest would end in ...84): the
// factor of an odd number of half powers of two on the logarithm path.
inline constexpr Extended kSqrt2RoundedUp = FromBits(0x3FFF, 0xB504F333F9DE6485ULL);

// The largest exponent that square-and-multiply can take (|y| < 2^12).
inline constexpr int kMaxSquareAndMultiplyPower = 4095;

// True when an integral exponent of magnitude 2^e to 2^(e+1) - 1 (e <= 11)
// takes square-and-multiply for a normal x of base-2 exponent E: then
// -2^(13-e) <= E <= 2^(13-e) - 1, which keeps every product inside the
// normal extended range.
inline bool IntegralBandCovers(int binaryExponentOfX, int binaryExponentOfY) {
  if (binaryExponentOfY > 11) return false;
  const int limit = 1 << (13 - binaryExponentOfY);
  return binaryExponentOfX >= -limit && binaryExponentOfX <= limit - 1;
}

// True when RaisePower(x, i) takes square-and-multiply for every integer
// exponent 1 <= i <= maxPower and reports nothing for i = 0; false for a zero,
// denormal, infinite or NaN x. 0 <= maxPower <= 4095.
inline bool SquareAndMultiplyCovers(Extended x, int maxPower) {
  assert(maxPower >= 0 && maxPower <= kMaxSquareAndMultiplyPower);
  const int field = ExponentField(x);
  if (field == 0 || field == kExtendedExponentAllOnes) return false;
  // The narrowest band is that of the largest exponent.
  const int topBit =
      maxPower == 0 ? 0 : static_cast<int>(std::bit_width(static_cast<unsigned>(maxPower))) - 1;
  return IntegralBandCovers(field - kExtendedExponentBias, topBit);
}

// Calls visit(i, x^i) for i = 0 to maxPower in turn, where x^i is
// RaisePower(x, i) bit for bit and SquareAndMultiplyCovers(x, maxPower).
// `lower` receives x^0 to x^(maxPower / 2), which the squares need, so it
// holds maxPower / 2 + 1 values.
//
// Left-to-right square-and-multiply reaches x^i through the exponent whose
// bits are those of i without the last one, i / 2: it computes x^(i / 2)
// exactly as it would on its own, squares it and, for an odd i, multiplies
// by x. So, with x^0 = 1 and x^1 = 1 * x = x:
//   x^(2k) = (x^k)^2,  x^(2k+1) = x^(2k) * x,
// each product rounded to extended: maxPower - 1 multiplications in all,
// against up to 2 log2(i) for each power on its own.
template <typename Visit>
inline void VisitSquareAndMultiplyPowers(Extended x, int maxPower, Extended* lower, Visit visit);

// The same for a constant maxPower, with the loop unrolled.
template <int MaxPower, typename Visit>
inline void VisitSquareAndMultiplyPowers(Extended x, Extended* lower, Visit visit);

namespace square_and_multiply {

// x^i from x^(i-1) (`previous`) and the powers kept in `lower`.
inline Extended Step(int i, Extended x, Extended previous, const Extended* lower) {
  return (i & 1) ? previous * x : lower[i / 2] * lower[i / 2];
}

// Hands x^i to `visit` and keeps it when a later square needs it.
template <typename Visit>
inline Extended Hand(int i, int maxPower, Extended power, Extended* lower, Visit& visit) {
  visit(i, power);
  if (i <= maxPower / 2) lower[i] = power;
  return power;
}

}  // namespace square_and_multiply

template <typename Visit>
inline void VisitSquareAndMultiplyPowers(Extended x, int maxPower, Extended* lower, Visit visit) {
  assert(maxPower >= 0 && maxPower <= kMaxSquareAndMultiplyPower);
  assert(SquareAndMultiplyCovers(x, maxPower));
  Extended previous = square_and_multiply::Hand(0, maxPower, 1.0, lower, visit);
  for (int i = 1; i <= maxPower; ++i)
    previous = square_and_multiply::Hand(i, maxPower, square_and_multiply::Step(i, x, previous, lower), lower,
                                         visit);
}

template <int MaxPower, typename Visit>
inline void VisitSquareAndMultiplyPowers(Extended x, Extended* lower, Visit visit) {
  static_assert(MaxPower >= 0 && MaxPower <= 64);
  assert(SquareAndMultiplyCovers(x, MaxPower));
  Extended previous = square_and_multiply::Hand(0, MaxPower, 1.0, lower, visit);
#pragma GCC unroll 64
  for (int i = 1; i <= MaxPower; ++i)
    previous = square_and_multiply::Hand(i, MaxPower, square_and_multiply::Step(i, x, previous, lower), lower,
                                         visit);
}

// powers[i] = RaisePower(x, i), bit for bit, for i = 0 to maxPower, where
// SquareAndMultiplyCovers(x, maxPower); `powers` holds maxPower + 1 values.
inline void SquareAndMultiplyPowers(Extended x, int maxPower, Extended* powers) {
  VisitSquareAndMultiplyPowers(x, maxPower, powers, [powers](int i, Extended power) { powers[i] = power; });
}

}  // namespace peruka
