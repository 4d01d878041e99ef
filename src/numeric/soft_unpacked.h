// The x87 extended format taken apart into its class, sign, exponent and
// normalised significand, and the shifting and rounding steps on such parts
// that SoftExtended's operations share.
#pragma once

#include <bit>
#include <cstdint>

namespace peruka::soft_unpacked {

inline constexpr int kBias = 16383;
inline constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
inline constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

enum class Kind { kZero, kFinite, kInfinity, kQuietNan, kSignallingNan, kUnsupported };

// A finite value as sig * 2^(exp - 63) with sig's top bit set.
struct Unpacked {
  Kind kind;
  bool negative;
  std::int32_t exp;
  std::uint64_t sig;
};

inline Unpacked UnpackBits(std::uint16_t se, std::uint64_t sig) {
  const int field = se & 0x7FFF;
  Unpacked u{Kind::kFinite, (se & 0x8000) != 0, field - kBias, sig};
  if (field == 0) {
    // Denormals and pseudo-denormals both scale as exponent field 1.
    if (sig == 0) {
      u.kind = Kind::kZero;
    } else {
      const int lz = std::countl_zero(sig);
      u.sig = sig << lz;
      u.exp = 1 - kBias - lz;
    }
  } else if ((sig & kTop) == 0) {
    u.kind = Kind::kUnsupported;  // unnormal, pseudo-infinity, pseudo-NaN
  } else if (field == 0x7FFF) {
    u.kind = (sig << 1) == 0 ? Kind::kInfinity : (sig & kQuietBit) ? Kind::kQuietNan : Kind::kSignallingNan;
  }
  return u;
}

inline bool IsNan(Kind k) { return k == Kind::kQuietNan || k == Kind::kSignallingNan; }

// Shifts (sig, rest) right by `shift` >= 1, folding lost bits into rest's
// lowest bit.
inline void ShiftRightSticky(std::uint64_t& sig, std::uint64_t& rest, std::int32_t shift) {
  if (shift < 64) {
    const bool lost = (rest << (64 - shift)) != 0;
    rest = (sig << (64 - shift)) | (rest >> shift) | (lost ? 1 : 0);
    sig >>= shift;
  } else if (shift < 128) {
    const int k = shift - 64;
    const std::uint64_t lostSig = k == 0 ? 0 : sig << (64 - k);
    rest = (sig >> k) | ((lostSig | rest) != 0 ? 1 : 0);
    sig = 0;
  } else {
    rest = (sig | rest) != 0 ? 1 : 0;
    sig = 0;
  }
}

// 1 when sig + rest / 2^64 rounds up to nearest, ties to even.
inline std::uint64_t RoundsUp(std::uint64_t sig, std::uint64_t rest) { return rest > kTop - (sig & 1); }

// Rounds to nearest, ties to even; true when the integer part grew.
inline bool RoundNearest(std::uint64_t& sig, std::uint64_t rest) {
  const std::uint64_t up = RoundsUp(sig, rest);
  sig += up;
  return up != 0 && sig == 0;
}

// high * 2^64 / divisor and its remainder, for high < divisor (so that the
// quotient fits 64 bits): one instruction on x86-64, where the compiler
// would call the general 128-bit division.
inline std::uint64_t DivideWide(std::uint64_t high, std::uint64_t divisor, std::uint64_t& remainder) {
#if defined(__x86_64__)
  std::uint64_t quotient;
  asm("divq %[divisor]"
      : "=a"(quotient), "=d"(remainder)
      : "a"(std::uint64_t{0}), "d"(high), [divisor] "rm"(divisor)
      : "cc");
  return quotient;
#else
  const unsigned __int128 dividend = static_cast<unsigned __int128>(high) << 64;
  remainder = static_cast<std::uint64_t>(dividend % divisor);
  return static_cast<std::uint64_t>(dividend / divisor);
#endif
}

}  // namespace peruka::soft_unpacked
