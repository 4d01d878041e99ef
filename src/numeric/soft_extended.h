// The x87 80-bit extended format computed with integer operations only, for
// targets whose long double is not that format (and, on x86, to check the
// hardware against). Every operation gives the result bits and the status
// flags the x87 unit gives with a 64-bit significand, rounding to nearest
// and every exception masked:
// - encodings the x87 refuses (unnormals, pseudo-infinities, pseudo-NaNs)
//   are invalid operands and give the default NaN FFFF C000000000000000;
// - pseudo-denormals are read as denormals, their exponent taken as 1;
// - a signalling NaN operand is invalid and comes back quiet; of two NaNs a
//   quiet one wins over a signalling one, then the larger significand, then
//   the positive sign;
// - underflow is flagged for a result that is tiny after rounding and
//   inexact.
// The operators drop the flags; the static functions with a status argument
// OR theirs into it.
#pragma once

#include <bit>
#include <cfloat>
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace peruka {

// The x87 status word's exception bits.
namespace soft_status {
inline constexpr unsigned kInvalid = 0x01;
inline constexpr unsigned kZeroDivide = 0x04;
inline constexpr unsigned kOverflow = 0x08;
inline constexpr unsigned kUnderflow = 0x10;
inline constexpr unsigned kPrecision = 0x20;
}  // namespace soft_status

enum class SoftRounding { kNearest, kTowardZero };

class SoftExtended {
 public:
  constexpr SoftExtended() = default;
  // Exact, as FLD of a double (a signalling NaN comes back quiet).
  constexpr SoftExtended(double d) {  // NOLINT: converts like a long double does
    unsigned ignored = 0;
    *this = FromDouble(d, ignored);
  }
  template <std::integral I>
  constexpr SoftExtended(I v) {  // NOLINT: exact, as FILD
    const bool negative = v < 0;
    const auto magnitude = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    *this = FromMagnitude(negative, magnitude);
  }
  // The host's long double: bit for bit where it is the x87 format, else
  // rounded to nearest.
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
  constexpr SoftExtended(long double v);  // NOLINT
#else
  SoftExtended(long double v);  // NOLINT
#endif

  static constexpr SoftExtended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
    SoftExtended r;
    r.se_ = signExponent;
    r.sig_ = significand;
    return r;
  }
  constexpr std::uint16_t SignExponent() const { return se_; }
  constexpr std::uint64_t Significand() const { return sig_; }

  static SoftExtended Add(SoftExtended a, SoftExtended b, unsigned& status) {
    return AddSigned(a, b, false, status);
  }
  static SoftExtended Sub(SoftExtended a, SoftExtended b, unsigned& status) {
    return AddSigned(a, b, true, status);
  }
  static SoftExtended Mul(SoftExtended a, SoftExtended b, unsigned& status);
  static SoftExtended Div(SoftExtended a, SoftExtended b, unsigned& status);
  static constexpr SoftExtended FromDouble(double d, unsigned& status);
  // FSQRT.
  static SoftExtended Sqrt(SoftExtended v, unsigned& status);
  // FST to a 64-bit double, rounding to nearest.
  static double ToDouble(SoftExtended v, unsigned& status) {
    // Inline for a normal value within the double's normal range.
    const int field = v.se_ & 0x7FFF;
    if (static_cast<unsigned>(field - (kBias - 1022)) <= 2045 && (v.sig_ >> 63) != 0) [[likely]] {
      constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
      const std::uint64_t rest = v.sig_ << 53;
      std::uint64_t sig = v.sig_ >> 11;
      status |= rest != 0 ? soft_status::kPrecision : 0;
      sig += static_cast<std::uint64_t>(rest > kHalf) | (static_cast<std::uint64_t>(rest == kHalf) & sig & 1);
      // A carry into bit 53 steps the exponent through the addition below.
      const std::uint64_t bits = (static_cast<std::uint64_t>(v.se_ & 0x8000) << 48) +
                                 (static_cast<std::uint64_t>(field - kBias + 1022) << 52) + sig;
      if ((bits << 1) >> 53 == 0x7FF) [[unlikely]]
        status |= soft_status::kOverflow | soft_status::kPrecision;
      return std::bit_cast<double>(bits);
    }
    return ToDoubleOutOfRange(v, status);
  }
  // FRNDINT.
  static SoftExtended RoundToIntegral(SoftExtended v, SoftRounding mode, unsigned& status);
  // FISTP to a 64-bit integer; the integer indefinite 0x8000000000000000 when
  // out of range.
  static std::int64_t ToInt64(SoftExtended v, SoftRounding mode, unsigned& status);
  // FSCALE by an integral power of two.
  static SoftExtended Scale(SoftExtended v, std::int32_t n, unsigned& status);
  // FCOM (signalling: any NaN is invalid) or FUCOM (quiet).
  static std::partial_ordering Compare(SoftExtended a, SoftExtended b, bool signalling, unsigned& status);

  friend SoftExtended operator+(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Add(a, b, s);
  }
  // The same sums with a double operand (as in a power sum kept in
  // doubles): a normal double converts without FromDouble's tests for the
  // other encodings.
  template <std::same_as<double> D>
  friend SoftExtended operator+(SoftExtended a, D b) {
    unsigned s = 0;
    return AddSigned(a, FromDoubleInline(b), false, s);
  }
  template <std::same_as<double> D>
  friend SoftExtended operator+(D a, SoftExtended b) {
    unsigned s = 0;
    return AddSigned(FromDoubleInline(a), b, false, s);
  }
  friend SoftExtended operator-(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Sub(a, b, s);
  }
  friend SoftExtended operator*(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Mul(a, b, s);
  }
  friend SoftExtended operator/(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Div(a, b, s);
  }
  SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
  SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
  SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
  SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }
  // FCHS: the sign bit alone, whatever the encoding.
  constexpr SoftExtended operator-() const {
    return FromBits(static_cast<std::uint16_t>(se_ ^ 0x8000), sig_);
  }
  constexpr SoftExtended operator+() const { return *this; }

  friend bool operator==(SoftExtended a, SoftExtended b) { return QuietOrder(a, b) == 0; }
  friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Compare(a, b, true, s);
  }

  // Rounds (sig + rest / 2^64) * 2^(exp - 63), sig with its top bit set, to
  // the nearest extended value. The common case, a normal result, is inline.
  static SoftExtended RoundPack(bool negative, std::int32_t exp, std::uint64_t sig, std::uint64_t rest,
                                unsigned& status) {
    std::int32_t field = exp + kBias;
    if (field >= 1 && field <= 0x7FFD) [[likely]] {
      // Without branches on the data: which way a result rounds is not
      // predictable.
      constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
      status |= rest != 0 ? soft_status::kPrecision : 0;
      sig += static_cast<std::uint64_t>(rest > kHalf) | (static_cast<std::uint64_t>(rest == kHalf) & sig & 1);
      if (sig == 0) [[unlikely]] {  // carried out of the top
        sig = kHalf;
        ++field;
      }
      return FromBits(static_cast<std::uint16_t>((negative ? 0x8000 : 0) | field), sig);
    }
    return RoundPackOutOfRange(negative, exp, sig, rest, status);
  }

 private:
  static constexpr int kBias = 16383;

  static constexpr SoftExtended FromMagnitude(bool negative, std::uint64_t magnitude) {
    if (magnitude == 0) return FromBits(negative ? 0x8000 : 0, 0);
    const int lz = std::countl_zero(magnitude);
    return FromBits(static_cast<std::uint16_t>((negative ? 0x8000 : 0) | (kBias + 63 - lz)), magnitude << lz);
  }
  static std::partial_ordering QuietOrder(SoftExtended a, SoftExtended b) {
    unsigned s = 0;
    return Compare(a, b, false, s);
  }

  // FromDouble, the double's normal range tested first; no flags.
  static constexpr SoftExtended FromDoubleInline(double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    const auto field = static_cast<unsigned>((bits >> 52) & 0x7FF);
    if (field - 1 < 0x7FE) [[likely]]
      return FromBits(static_cast<std::uint16_t>(((bits >> 48) & 0x8000) | (field + kBias - 1023)),
                      (std::uint64_t{1} << 63) | (bits << 11));
    unsigned ignored = 0;
    return FromDouble(d, ignored);
  }
  static SoftExtended RoundPackOutOfRange(bool negative, std::int32_t exp, std::uint64_t sig,
                                          std::uint64_t rest, unsigned& status);
  static double ToDoubleOutOfRange(SoftExtended v, unsigned& status);
  static SoftExtended AddSpecial(SoftExtended a, SoftExtended b, bool negateB, unsigned& status);
  static SoftExtended MulSpecial(SoftExtended a, SoftExtended b, unsigned& status);

  static bool IsNormal(std::uint16_t se, std::uint64_t sig) {
    return static_cast<std::uint16_t>((se & 0x7FFF) - 1) < 0x7FFE && (sig >> 63) != 0;
  }

  // a + b, or a - b when negateB.
  static SoftExtended AddSigned(SoftExtended a, SoftExtended b, bool negateB, unsigned& status) {
    if (!IsNormal(a.se_, a.sig_) || !IsNormal(b.se_, b.sig_)) [[unlikely]]
      return AddSpecial(a, b, negateB, status);
    std::uint16_t seB = static_cast<std::uint16_t>(b.se_ ^ (negateB ? 0x8000 : 0));
    std::uint64_t sigB = b.sig_;
    using U128 = unsigned __int128;
    std::uint16_t seA = a.se_;
    std::uint64_t sigA = a.sig_;
    if ((seA & 0x7FFF) < (seB & 0x7FFF) || ((seA & 0x7FFF) == (seB & 0x7FFF) && sigA < sigB)) {
      std::swap(seA, seB);
      std::swap(sigA, sigB);
    }
    const int d = (seA & 0x7FFF) - (seB & 0x7FFF);
    // The larger magnitude with its top bit at bit 126; the smaller shifted
    // to match, a lost bit kept as a sticky 1.
    const U128 big = static_cast<U128>(sigA) << 63;
    U128 small;
    if (d <= 63) {
      small = (static_cast<U128>(sigB) << 63) >> d;
    } else if (d < 127) {
      small = (static_cast<U128>(sigB) << 63) >> d;
      small |= (sigB & ((std::uint64_t{1} << (d - 63)) - 1)) != 0;
    } else {
      small = 1;
    }
    const bool negative = (seA & 0x8000) != 0;
    U128 sum = ((seA ^ seB) & 0x8000) ? big - small : big + small;
    if (sum == 0) return FromBits(0, 0);  // x - x is +0 when rounding to nearest
    const auto hi = static_cast<std::uint64_t>(sum >> 64);
    const int lz = hi != 0 ? std::countl_zero(hi) : 64 + std::countl_zero(static_cast<std::uint64_t>(sum));
    sum <<= lz;
    const std::int32_t exp = (seA & 0x7FFF) - kBias + 1 - lz;
    return RoundPack(negative, exp, static_cast<std::uint64_t>(sum >> 64), static_cast<std::uint64_t>(sum),
                     status);
  }

  std::uint64_t sig_ = 0;
  std::uint16_t se_ = 0;
};

inline SoftExtended SoftExtended::Mul(SoftExtended a, SoftExtended b, unsigned& status) {
  if (!IsNormal(a.se_, a.sig_) || !IsNormal(b.se_, b.sig_)) [[unlikely]]
    return MulSpecial(a, b, status);
  using U128 = unsigned __int128;
  U128 product = static_cast<U128>(a.sig_) * b.sig_;
  // A product of significands in [2^126, 2^128): normalised without a
  // branch on the data.
  const auto top = static_cast<int>(product >> 127);
  const std::int32_t exp = (a.se_ & 0x7FFF) + (b.se_ & 0x7FFF) - 2 * kBias + top;
  product <<= 1 - top;
  const bool negative = ((a.se_ ^ b.se_) & 0x8000) != 0;
  return RoundPack(negative, exp, static_cast<std::uint64_t>(product >> 64),
                   static_cast<std::uint64_t>(product), status);
}

constexpr SoftExtended SoftExtended::FromDouble(double d, unsigned& status) {
  const auto bits = std::bit_cast<std::uint64_t>(d);
  const auto sign = static_cast<std::uint16_t>((bits >> 48) & 0x8000);
  const int field = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & 0xFFFFFFFFFFFFFULL;
  if (field == 0x7FF) {
    // Infinity, or a NaN keeping its payload; a signalling one is quietened.
    if (fraction != 0 && (fraction >> 51) == 0) status |= soft_status::kInvalid;
    const std::uint64_t quiet = fraction != 0 ? std::uint64_t{1} << 62 : 0;
    return FromBits(static_cast<std::uint16_t>(sign | 0x7FFF),
                    (std::uint64_t{1} << 63) | quiet | (fraction << 11));
  }
  if (field == 0) {
    SoftExtended r = FromMagnitude(sign != 0, fraction);
    if (fraction != 0) r.se_ = static_cast<std::uint16_t>(r.se_ - 1074);  // 2^-1074 units
    return r;
  }
  return FromBits(static_cast<std::uint16_t>(sign | (field - 1023 + kBias)),
                  (std::uint64_t{1} << 63) | (fraction << 11));
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
constexpr SoftExtended::SoftExtended(long double v) {
  struct Raw {
    std::uint64_t significand;
    std::uint16_t signExponent;
  };
  static_assert(sizeof(Raw) == sizeof(long double));
  const Raw raw = std::bit_cast<Raw>(v);
  *this = FromBits(raw.signExponent, raw.significand);
}
#endif

}  // namespace peruka

template <>
class std::numeric_limits<peruka::SoftExtended> {
 public:
  using T = peruka::SoftExtended;
  static constexpr bool is_specialized = true;
  static constexpr bool is_signed = true;
  static constexpr bool is_integer = false;
  static constexpr bool is_exact = false;
  static constexpr bool has_infinity = true;
  static constexpr bool has_quiet_NaN = true;
  static constexpr bool has_signaling_NaN = true;
  static constexpr std::float_round_style round_style = std::round_to_nearest;
  static constexpr bool is_iec559 = false;
  static constexpr int radix = 2;
  static constexpr int digits = 64;
  static constexpr int min_exponent = -16381;
  static constexpr int max_exponent = 16384;
  static constexpr T min() { return T::FromBits(0x0001, 0x8000000000000000ULL); }
  static constexpr T max() { return T::FromBits(0x7FFE, 0xFFFFFFFFFFFFFFFFULL); }
  static constexpr T lowest() { return T::FromBits(0xFFFE, 0xFFFFFFFFFFFFFFFFULL); }
  static constexpr T epsilon() { return T::FromBits(0x3FC0, 0x8000000000000000ULL); }
  static constexpr T infinity() { return T::FromBits(0x7FFF, 0x8000000000000000ULL); }
  static constexpr T quiet_NaN() { return T::FromBits(0x7FFF, 0xC000000000000000ULL); }
  static constexpr T signaling_NaN() { return T::FromBits(0x7FFF, 0xA000000000000000ULL); }
  static constexpr T denorm_min() { return T::FromBits(0x0000, 0x0000000000000001ULL); }
};
