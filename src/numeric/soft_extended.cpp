#include "numeric/soft_extended.h"

#include <cmath>

#include "numeric/soft_unpacked.h"

namespace peruka {

namespace {

using U128 = unsigned __int128;
using namespace soft_status;
using namespace soft_unpacked;

// Tininess is judged after rounding, as the x87 unit does (the differential
// test tells the two apart): a result that rounds to the smallest normal at
// 64 (or 53) bits with an unbounded exponent is not tiny, even when it was
// below it before rounding.
constexpr bool kTininessAfterRounding = true;

Unpacked Unpack(SoftExtended v) { return UnpackBits(v.SignExponent(), v.Significand()); }

constexpr SoftExtended kDefaultNan = SoftExtended::FromBits(0xFFFF, 0xC000000000000000ULL);

SoftExtended Infinity(bool negative) { return SoftExtended::FromBits(negative ? 0xFFFF : 0x7FFF, kTop); }
SoftExtended Zero(bool negative) { return SoftExtended::FromBits(negative ? 0x8000 : 0, 0); }
SoftExtended Quiet(SoftExtended v) {
  return SoftExtended::FromBits(v.SignExponent(), v.Significand() | kQuietBit);
}

// What an operation of one operand that keeps zeros, infinities and quiet
// NaNs as they are gives for any operand but a finite non-zero value.
SoftExtended NonFiniteOperandResult(SoftExtended v, Kind kind, unsigned& status) {
  switch (kind) {
    case Kind::kUnsupported:
      status |= kInvalid;
      return kDefaultNan;
    case Kind::kSignallingNan:
      status |= kInvalid;
      return Quiet(v);
    default:
      return v;
  }
}

// When either operand is a NaN or an unsupported encoding, sets the result
// and the flags and returns true.
bool TakeNan(SoftExtended a, const Unpacked& ua, SoftExtended b, const Unpacked& ub, SoftExtended& result,
             unsigned& status) {
  if (ua.kind == Kind::kUnsupported || ub.kind == Kind::kUnsupported) {
    status |= kInvalid;
    result = kDefaultNan;
    return true;
  }
  if (!IsNan(ua.kind) && !IsNan(ub.kind)) return false;
  if (ua.kind == Kind::kSignallingNan || ub.kind == Kind::kSignallingNan) status |= kInvalid;
  if (IsNan(ua.kind) && IsNan(ub.kind)) {
    const std::uint64_t ma = a.Significand();
    const std::uint64_t mb = b.Significand();
    bool takeB;
    if (ua.kind != ub.kind)
      takeB = ub.kind == Kind::kQuietNan;
    else if (ma != mb)
      takeB = mb > ma;
    else
      takeB = ua.negative;
    result = Quiet(takeB ? b : a);
  } else {
    result = Quiet(IsNan(ua.kind) ? a : b);
  }
  return true;
}

}  // namespace

SoftExtended SoftExtended::RoundPackOutOfRange(bool negative, std::int32_t exp, std::uint64_t sig,
                                               std::uint64_t rest, unsigned& status) {
  const std::uint16_t sign = negative ? 0x8000 : 0;
  std::int32_t field = exp + kBias;
  if (field >= 1) {
    if (rest != 0) status |= kPrecision;
    if (RoundNearest(sig, rest)) {
      sig = kTop;
      ++field;
    }
    if (field >= 0x7FFF) {
      status |= kOverflow | kPrecision;
      return Infinity(negative);
    }
    return FromBits(static_cast<std::uint16_t>(sign | field), sig);
  }
  // Tiny: denormalise to exponent field 1 and round there.
  bool tiny = true;
  if (kTininessAfterRounding && field == 0 && sig == ~std::uint64_t{0} && rest >= kTop) tiny = false;
  ShiftRightSticky(sig, rest, 1 - field);
  if (rest != 0) {
    status |= kPrecision;
    if (tiny) status |= kUnderflow;
  }
  RoundNearest(sig, rest);
  // A carry into the top bit makes the smallest normal.
  return FromBits(static_cast<std::uint16_t>(sign | (sig >> 63)), sig);
}

SoftExtended SoftExtended::AddSpecial(SoftExtended a, SoftExtended b, bool negateB, unsigned& status) {
  const Unpacked ua = Unpack(a);
  Unpacked ub = Unpack(b);
  SoftExtended r;
  if (TakeNan(a, ua, b, ub, r, status)) return r;  // a NaN keeps its own sign
  ub.negative = ub.negative != negateB;
  if (ua.kind == Kind::kInfinity || ub.kind == Kind::kInfinity) {
    if (ua.kind == ub.kind && ua.negative != ub.negative) {
      status |= kInvalid;
      return kDefaultNan;
    }
    return Infinity(ua.kind == Kind::kInfinity ? ua.negative : ub.negative);
  }
  if (ua.kind == Kind::kZero && ub.kind == Kind::kZero) return Zero(ua.negative && ub.negative);
  if (ua.kind == Kind::kZero) return RoundPack(ub.negative, ub.exp, ub.sig, 0, status);
  if (ub.kind == Kind::kZero) return RoundPack(ua.negative, ua.exp, ua.sig, 0, status);
  // Both finite, one at least denormal: align exactly in 128 bits and
  // above; the exponents differ by less than 2^15.
  const Unpacked& big = (ua.exp > ub.exp || (ua.exp == ub.exp && ua.sig >= ub.sig)) ? ua : ub;
  const Unpacked& small = &big == &ua ? ub : ua;
  const std::int32_t d = big.exp - small.exp;
  const U128 bigSig = static_cast<U128>(big.sig) << 63;
  U128 smallSig = static_cast<U128>(small.sig) << 63;
  if (d >= 127) {
    smallSig = 1;
  } else if (d > 0) {
    const bool lost = (smallSig & ((static_cast<U128>(1) << d) - 1)) != 0;
    smallSig = (smallSig >> d) | (lost ? 1 : 0);
  }
  U128 sum = big.negative != small.negative ? bigSig - smallSig : bigSig + smallSig;
  if (sum == 0) return Zero(false);
  const auto hi = static_cast<std::uint64_t>(sum >> 64);
  const int lz = hi != 0 ? std::countl_zero(hi) : 64 + std::countl_zero(static_cast<std::uint64_t>(sum));
  sum <<= lz;
  return RoundPack(big.negative, big.exp + 1 - lz, static_cast<std::uint64_t>(sum >> 64),
                   static_cast<std::uint64_t>(sum), status);
}

SoftExtended SoftExtended::MulSpecial(SoftExtended a, SoftExtended b, unsigned& status) {
  const Unpacked ua = Unpack(a);
  const Unpacked ub = Unpack(b);
  SoftExtended r;
  if (TakeNan(a, ua, b, ub, r, status)) return r;
  const bool negative = ua.negative != ub.negative;
  const bool infinite = ua.kind == Kind::kInfinity || ub.kind == Kind::kInfinity;
  const bool zero = ua.kind == Kind::kZero || ub.kind == Kind::kZero;
  if (infinite && zero) {
    status |= kInvalid;
    return kDefaultNan;
  }
  if (infinite) return Infinity(negative);
  if (zero) return Zero(negative);
  U128 product = static_cast<U128>(ua.sig) * ub.sig;
  std::int32_t exp = ua.exp + ub.exp;
  if (static_cast<std::uint64_t>(product >> 127) != 0)
    ++exp;
  else
    product <<= 1;
  return RoundPack(negative, exp, static_cast<std::uint64_t>(product >> 64),
                   static_cast<std::uint64_t>(product), status);
}

SoftExtended SoftExtended::Div(SoftExtended a, SoftExtended b, unsigned& status) {
  const Unpacked ua = Unpack(a);
  const Unpacked ub = Unpack(b);
  SoftExtended r;
  if (TakeNan(a, ua, b, ub, r, status)) return r;
  const bool negative = ua.negative != ub.negative;
  if (ua.kind == Kind::kInfinity) {
    if (ub.kind == Kind::kInfinity) {
      status |= kInvalid;
      return kDefaultNan;
    }
    return Infinity(negative);
  }
  if (ub.kind == Kind::kInfinity) return Zero(negative);
  if (ub.kind == Kind::kZero) {
    status |= ua.kind == Kind::kZero ? kInvalid : kZeroDivide;
    return ua.kind == Kind::kZero ? kDefaultNan : Infinity(negative);
  }
  if (ua.kind == Kind::kZero) return Zero(negative);
  // sig_a * 2^64 / sig_b lies in (2^63, 2^65): 64 quotient bits, then one
  // more bit and the remainder's stickiness for the rounding.
  std::int32_t exp = ua.exp - ub.exp;
  std::uint64_t sig;
  std::uint64_t rest;
  std::uint64_t remainder;
  if (ua.sig >= ub.sig) {
    // 2^64 + (sig_a - sig_b) * 2^64 / sig_b, with sig_a - sig_b < sig_b.
    const std::uint64_t low = DivideWide(ua.sig - ub.sig, ub.sig, remainder);
    sig = kTop | (low >> 1);
    rest = ((low & 1) << 63) | (remainder != 0 ? 1 : 0);
  } else {
    --exp;
    sig = DivideWide(ua.sig, ub.sig, remainder);
    // The next bit: whether 2 * remainder reaches sig_b (without overflow).
    const bool bit = remainder >= ub.sig - remainder;
    const std::uint64_t left = bit ? remainder - (ub.sig - remainder) : 2 * remainder;
    rest = (bit ? kTop : 0) | (left != 0 ? 1 : 0);
  }
  return RoundPack(negative, exp, sig, rest, status);
}

double SoftExtended::ToDoubleOutOfRange(SoftExtended v, unsigned& status) {
  const Unpacked u = Unpack(v);
  const std::uint64_t sign = u.negative ? kTop : 0;
  constexpr std::uint64_t kExponentAllOnes = std::uint64_t{0x7FF} << 52;
  switch (u.kind) {
    case Kind::kUnsupported:
      status |= kInvalid;
      return std::bit_cast<double>(0xFFF8000000000000ULL);
    case Kind::kSignallingNan:
    case Kind::kQuietNan:
      if (u.kind == Kind::kSignallingNan) status |= kInvalid;
      // The payload's top 51 bits; the rest is dropped.
      return std::bit_cast<double>(sign | kExponentAllOnes | (std::uint64_t{1} << 51) |
                                   ((v.Significand() << 1) >> 12));
    case Kind::kInfinity:
      return std::bit_cast<double>(sign | kExponentAllOnes);
    case Kind::kZero:
      return std::bit_cast<double>(sign);
    case Kind::kFinite:
      break;
  }
  std::int32_t exp = u.exp;
  if (exp >= -1022) {
    std::uint64_t sig = u.sig >> 11;
    const std::uint64_t rest = u.sig << 53;
    if (rest != 0) status |= kPrecision;
    if (RoundNearest(sig, rest) || (sig >> 53) != 0) {
      sig >>= 1;
      ++exp;
    }
    if (exp > 1023) {
      status |= kOverflow | kPrecision;
      return std::bit_cast<double>(sign | kExponentAllOnes);
    }
    return std::bit_cast<double>(sign | (static_cast<std::uint64_t>(exp + 1023) << 52) |
                                 (sig & ((kTop >> 11) - 1)));
  }
  // Below the double's normal range: in units of 2^-1074, rounded once.
  bool tiny = true;
  if (kTininessAfterRounding && exp == -1023 && (u.sig >> 11) == (std::uint64_t{1} << 53) - 1 &&
      ((u.sig >> 10) & 1) != 0)
    tiny = false;
  std::uint64_t sig = u.sig;
  std::uint64_t rest = 0;
  ShiftRightSticky(sig, rest, -1011 - exp);
  if (rest != 0) {
    status |= kPrecision;
    if (tiny) status |= kUnderflow;
  }
  RoundNearest(sig, rest);
  return std::bit_cast<double>(sign | sig);
}

SoftExtended SoftExtended::RoundToIntegral(SoftExtended v, SoftRounding mode, unsigned& status) {
  const Unpacked u = Unpack(v);
  if (u.kind != Kind::kFinite) return NonFiniteOperandResult(v, u.kind, status);
  if (u.exp >= 63) return v;
  std::uint64_t sig = u.sig;
  std::uint64_t rest = 0;
  ShiftRightSticky(sig, rest, 63 - u.exp);
  if (rest != 0) status |= kPrecision;
  if (mode == SoftRounding::kNearest) RoundNearest(sig, rest);
  return FromMagnitude(u.negative, sig);
}

std::int64_t SoftExtended::ToInt64(SoftExtended v, SoftRounding mode, unsigned& status) {
  constexpr auto kIndefinite = std::numeric_limits<std::int64_t>::min();
  const Unpacked u = Unpack(v);
  if (u.kind == Kind::kZero) return 0;
  if (u.kind != Kind::kFinite || u.exp > 63) {
    status |= kInvalid;
    return kIndefinite;
  }
  std::uint64_t sig = u.sig;
  std::uint64_t rest = 0;
  bool carry = false;
  if (u.exp < 63) {
    ShiftRightSticky(sig, rest, 63 - u.exp);
    if (mode == SoftRounding::kNearest) carry = RoundNearest(sig, rest);
  }
  const std::uint64_t limit = u.negative ? kTop : kTop - 1;
  if (carry || sig > limit) {
    status |= kInvalid;
    return kIndefinite;
  }
  if (rest != 0) status |= kPrecision;
  return u.negative ? static_cast<std::int64_t>(0 - sig) : static_cast<std::int64_t>(sig);
}

SoftExtended SoftExtended::Sqrt(SoftExtended v, unsigned& status) {
  const Unpacked u = Unpack(v);
  if (u.kind == Kind::kSignallingNan) {
    status |= kInvalid;
    return Quiet(v);
  }
  if (u.kind == Kind::kQuietNan || u.kind == Kind::kZero) return v;
  if (u.kind == Kind::kUnsupported || u.negative) {
    status |= kInvalid;
    return kDefaultNan;
  }
  if (u.kind == Kind::kInfinity) return v;
  // sqrt(sig * 2^(exp - 63)) with an even power of two: r = isqrt(n), n
  // of 127 or 128 bits, r of 64 bits.
  const std::int32_t e = u.exp - 63;
  const bool odd = (e & 1) != 0;
  const U128 n = static_cast<U128>(u.sig) << (odd ? 63 : 64);
  std::uint64_t r = 0;
  U128 rem = 0;
  for (int i = 63; i >= 0; --i) {  // one result bit per step
    rem = (rem << 2) | static_cast<std::uint64_t>((n >> (2 * i)) & 3);
    const U128 trial = (static_cast<U128>(r) << 2) | 1;
    r <<= 1;
    if (rem >= trial) {
      rem -= trial;
      r |= 1;
    }
  }
  // (r + 1/2)^2 = r^2 + r + 1/4 is never n: rem > r means above the half.
  const std::uint64_t rest = rem > r ? kTop | 1 : rem != 0 ? 1 : 0;
  const std::int32_t k = (e - (odd ? 63 : 64)) / 2;
  return RoundPack(false, k + 63, r, rest, status);
}

SoftExtended SoftExtended::Scale(SoftExtended v, std::int32_t n, unsigned& status) {
  const Unpacked u = Unpack(v);
  if (u.kind != Kind::kFinite) return NonFiniteOperandResult(v, u.kind, status);
  // Beyond +-2^17 every result is already infinite or zero.
  constexpr std::int32_t kClamp = 1 << 17;
  const std::int32_t k = n > kClamp ? kClamp : n < -kClamp ? -kClamp : n;
  return RoundPack(u.negative, u.exp + k, u.sig, 0, status);
}

std::partial_ordering SoftExtended::Compare(SoftExtended a, SoftExtended b, bool signalling,
                                            unsigned& status) {
  const Unpacked ua = Unpack(a);
  const Unpacked ub = Unpack(b);
  if (ua.kind == Kind::kUnsupported || ub.kind == Kind::kUnsupported || ua.kind == Kind::kSignallingNan ||
      ub.kind == Kind::kSignallingNan) {
    status |= kInvalid;
    return std::partial_ordering::unordered;
  }
  if (IsNan(ua.kind) || IsNan(ub.kind)) {
    if (signalling) status |= kInvalid;
    return std::partial_ordering::unordered;
  }
  // A key that orders magnitudes: kind, then exponent, then significand.
  auto key = [](const Unpacked& u) -> U128 {
    if (u.kind == Kind::kZero) return 0;
    if (u.kind == Kind::kInfinity) return ~static_cast<U128>(0);
    return (static_cast<U128>(static_cast<std::uint32_t>(u.exp + 2 * kBias)) << 64) | u.sig;
  };
  const U128 ka = key(ua);
  const U128 kb = key(ub);
  if (ka == 0 && kb == 0) return std::partial_ordering::equivalent;
  const bool na = ua.negative && ka != 0;
  const bool nb = ub.negative && kb != 0;
  if (na != nb) return na ? std::partial_ordering::less : std::partial_ordering::greater;
  if (ka == kb) return std::partial_ordering::equivalent;
  return (ka < kb) != na ? std::partial_ordering::less : std::partial_ordering::greater;
}

#if !(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384)
SoftExtended::SoftExtended(long double v) {
  unsigned ignored = 0;
  if (!std::isfinite(v) || v == 0) {
    *this = FromDouble(static_cast<double>(v), ignored);
    return;
  }
  int e = 0;
  const long double scaled = std::ldexp(std::frexp(std::fabs(v), &e), 64);  // [2^63, 2^64)
  const auto sig = static_cast<std::uint64_t>(scaled);
  const long double fraction = std::ldexp(scaled - static_cast<long double>(sig), 64);
  const auto rest = static_cast<std::uint64_t>(fraction);
  const bool sticky = fraction != static_cast<long double>(rest);
  *this = RoundPack(std::signbit(v), e - 1, sig, rest | (sticky ? 1 : 0), ignored);
}
#endif

}  // namespace peruka
