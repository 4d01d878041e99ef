#include "numeric/raise_power.h"

#include <cassert>
#include <cstdint>
#include <limits>

#include "numeric/faults.h"
#include "numeric/math_error.h"

namespace peruka {

namespace {

constexpr const char* kFunctionName = "powl";

// The substitute NaN for a negative base with a non-integral exponent.
constexpr Extended kNegativeNan = FromBits(0xFFFF, 0xC024000000000000ULL);
constexpr Extended kInfinity = kExtendedInfinity;

// |t| below 2^13 is always in range; from 2^14 up always out of range. In
// between, the top 16 bits of the significand decide: floor(4 |t|) compared
// with 0xB172 (t >= 11356.5 overflows) or 0xB16C (t <= -11355 underflows).
constexpr int kAlwaysInRangeField = kExtendedExponentBias + 13;
constexpr std::uint16_t kOverflowTop16 = 0xB172;
constexpr std::uint16_t kUnderflowTop16 = 0xB16C;

Extended SquareAndMultiply(Extended x, std::uint64_t magnitude, int topBit, bool reciprocal) {
  Extended r = x;
  for (int bit = topBit - 1; bit >= 0; --bit) {
    r = r * r;
    if ((magnitude >> bit) & 1) r = r * x;
  }
  return reciprocal ? 1.0 / r : r;
}

// e^(y ln x) for x > 0, through 2^(y ln x log2 e); a computed result is
// negated on request, the substitutes of an error report never are.
Extended LogarithmPath(Extended x, Extended y, bool negateResult) {
  assert(x > 0.0);
  const Extended lnX = YLog2X(kLn2, x);
  const Extended t = y * lnX;
  if (IsInf(t)) RaiseFault(kFaultFloatOverflow);

  const ExtendedBits bits = BitsOf(t);
  const int field = bits.signExponent & 0x7FFF;
  const bool negative = (bits.signExponent & 0x8000) != 0;
  if (field >= kAlwaysInRangeField) {
    const auto top16 = static_cast<std::uint16_t>(bits.significand >> 48);
    const bool outOfRange =
        field > kAlwaysInRangeField || top16 >= (negative ? kUnderflowTop16 : kOverflowTop16);
    if (outOfRange) {
      return negative ? ReportMathError(MathErrorKind::Underflow, kFunctionName, x, y, 0.0)
                      : ReportMathError(MathErrorKind::Overflow, kFunctionName, x, y, kInfinity);
    }
  }

  const Extended a = Abs(t * kLog2e);
  Extended r;
  if (a <= 0.5) {
    r = TwoToXMinusOne(a) + 1.0;
  } else {
    const Extended k = TruncateToInteger(a * 2.0);
    const Extended f = a - k / 2.0;
    r = TwoToXMinusOne(f) + 1.0;
    const std::int64_t wholeHalves = TruncateToInt64(k);
    if (wholeHalves & 1) r = r * kSqrt2RoundedUp;
    r = ScaleByPowerOfTwo(r, static_cast<int>(wholeHalves / 2));
  }
  if (negative) r = 1.0 / r;
  return negateResult ? -r : r;
}

}  // namespace

Extended RaisePower(Extended x, Extended y) {
  const int fieldX = ExponentField(x);
  const int fieldY = ExponentField(y);

  if (fieldX == 0) {  // zero or denormal base
    if (!SignBit(y) && fieldY != 0) return 0.0;
    if (!SignBit(y)) return ReportMathError(MathErrorKind::Domain, kFunctionName, x, y, 1.0);
    return ReportMathError(MathErrorKind::Domain, kFunctionName, x, y, kInfinity);
  }
  if (fieldX == kExtendedExponentAllOnes) {  // infinite or NaN base
    if (!SignBit(y)) return ReportMathError(MathErrorKind::Overflow, kFunctionName, x, y, x);
    return ReportMathError(MathErrorKind::Underflow, kFunctionName, x, y, 0.0);
  }
  if (fieldY == 0) return 1.0;
  if (fieldY == kExtendedExponentAllOnes)
    return ReportMathError(MathErrorKind::Overflow, kFunctionName, x, y, y);

  const bool integral = RoundToNearestInteger(y) == y;
  const int exponentY = fieldY - kExtendedExponentBias;
  const int exponentX = fieldX - kExtendedExponentBias;
  const bool negativeBase = SignBit(x);

  if (!integral || exponentY >= 63) {
    // Beyond 2^63 the parity of y is not known, so a negative base is refused
    // just like a non-integral exponent.
    if (negativeBase) return ReportMathError(MathErrorKind::Domain, kFunctionName, x, y, kNegativeNan);
    return LogarithmPath(x, y, false);
  }
  if (IntegralBandCovers(exponentX, exponentY)) {
    const auto magnitude = static_cast<std::uint64_t>(TruncateToInt64(Abs(y)));
    return SquareAndMultiply(x, magnitude, exponentY, SignBit(y));
  }
  const std::int64_t n = TruncateToInt64(y);
  return LogarithmPath(Abs(x), y, negativeBase && (n & 1) != 0);
}

}  // namespace peruka
