// A normal extended value kept taken apart, for runs of software arithmetic
// that know their operands: the powers of a point and their products with y
// are all normal and inside the range, so their multiplications need no
// tests, and adding such a term to a sum kept in a double (rounded to
// extended, then stored) takes a short route in the common cases. Results
// are SoftExtended's bit for bit.
#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

#include "numeric/soft_extended.h"
#include "numeric/soft_unpacked.h"

namespace peruka {

struct SoftTerm {
  std::uint64_t sig;       // top bit set
  std::int32_t field;      // biased exponent, 1 to 0x7FFE
  std::uint32_t negative;  // 0 or 1
};

namespace soft_term {

using soft_unpacked::kBias;
using soft_unpacked::kTop;
using soft_unpacked::RoundsUp;

inline SoftExtended Pack(SoftTerm t) {
  return SoftExtended::FromBits(
      static_cast<std::uint16_t>((t.negative << 15) | static_cast<std::uint32_t>(t.field)), t.sig);
}

// Any sum the short route does not take, through the general operations.
double AddToDoubleGeneral(double d, SoftTerm t, unsigned& status);

}  // namespace soft_term

// A finite non-zero double, exactly (a denormal double is a normal extended).
inline SoftTerm TermOfDouble(double d) {
  const auto bits = std::bit_cast<std::uint64_t>(d);
  const auto field = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const auto negative = static_cast<std::uint32_t>(bits >> 63);
  assert(field != 0x7FF && (field != 0 || fraction != 0));
  if (field == 0) {
    const int lz = std::countl_zero(fraction);
    return {fraction << lz, soft_term::kBias - 1011 - lz, negative};
  }
  return {(fraction << 11) | soft_term::kTop, field + soft_term::kBias - 1023, negative};
}

inline SoftTerm TermOf(SoftExtended v) {
  return {v.Significand(), v.SignExponent() & 0x7FFF, static_cast<std::uint32_t>(v.SignExponent() >> 15)};
}

// a * b rounded to extended, for a product known to stay a normal value.
inline SoftTerm MulTerms(SoftTerm a, SoftTerm b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a.sig) * b.sig;
  const auto hi = static_cast<std::uint64_t>(product >> 64);
  const auto lo = static_cast<std::uint64_t>(product);
  // Normalise a product in [2^126, 2^127) by one place.
  const std::uint64_t top = hi >> 63;
  const std::uint64_t shift = top ^ 1;
  std::uint64_t sig = (hi << shift) | ((lo >> 63) & shift);
  const std::uint64_t rest = lo << shift;
  std::int32_t field = a.field + b.field - soft_term::kBias + static_cast<std::int32_t>(top);
  sig += soft_term::RoundsUp(sig, rest);
  if (sig == 0) [[unlikely]] {  // carried out of the top
    sig = soft_term::kTop;
    ++field;
  }
  assert(field >= 1 && field <= 0x7FFE);
  return {sig, field, a.negative ^ b.negative};
}

// StoreDouble(d + t): the sum rounded to extended, then to double, with the
// status flags of both steps. The short route takes a normal d and a result
// in the double's normal range, with exponents apart by less than 64 (the
// exact sum in 128 bits) or by 66 and more (the smaller one only decides
// the precision flag).
inline double AddTermToDouble(double d, SoftTerm t, unsigned& status) {
  using namespace soft_term;
  const auto bits = std::bit_cast<std::uint64_t>(d);
  const auto fieldOfDouble = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
  if (static_cast<std::uint32_t>(fieldOfDouble - 1) >= 0x7FE) [[unlikely]]
    return AddToDoubleGeneral(d, t, status);
  const std::uint64_t sigD = (bits << 11) | kTop;
  const std::int32_t fieldD = fieldOfDouble + (kBias - 1023);
  const auto negativeD = static_cast<std::uint32_t>(bits >> 63);
  const std::int32_t apart = fieldD - t.field;
  // A is the operand of the larger magnitude, B the other, `shift` places
  // below it.
  std::uint64_t sigA;
  std::uint64_t sigB;
  std::int32_t field;
  std::uint32_t negative;
  std::uint32_t shift;
  if (static_cast<std::uint32_t>(apart - 1) < 63) [[likely]] {
    sigA = sigD;
    sigB = t.sig;
    field = fieldD;
    negative = negativeD;
    shift = static_cast<std::uint32_t>(apart);
  } else if (apart >= 66) {
    status |= soft_status::kPrecision;  // rounds back to d
    return d;
  } else if (static_cast<std::uint32_t>(-apart - 1) < 63) {
    sigA = t.sig;
    sigB = sigD;
    field = t.field;
    negative = t.negative;
    shift = static_cast<std::uint32_t>(-apart);
  } else if (apart <= -66) {
    status |= soft_status::kPrecision;  // rounds to t
    return SoftExtended::ToDouble(Pack(t), status);
  } else if (apart == 0) {
    const bool dLarger = sigD >= t.sig;
    sigA = dLarger ? sigD : t.sig;
    sigB = dLarger ? t.sig : sigD;
    field = fieldD;
    negative = dLarger ? negativeD : t.negative;
    shift = 0;
  } else {
    return AddToDoubleGeneral(d, t, status);
  }
  // The exact sum as sig + rest / 2^64 (times A's unit), normalised.
  const std::uint64_t upper = sigB >> shift;
  std::uint64_t rest = (sigB << 1) << (63 - shift);
  std::uint64_t sig;
  if (negativeD == t.negative) {
    sig = sigA + upper;
    if (sig < sigA) [[unlikely]] {  // carried out of the top
      // rest's lowest bit is 0: B was shifted by less than 64 places.
      rest = (sig << 63) | (rest >> 1);
      sig = (sig >> 1) | kTop;
      ++field;
    }
  } else {
    sig = sigA - upper - (rest != 0 ? 1 : 0);
    rest = 0 - rest;
    if ((sig >> 63) == 0) [[unlikely]] {
      if (sig == 0) return AddToDoubleGeneral(d, t, status);  // close to cancelling
      const int lz = std::countl_zero(sig);
      sig = (sig << lz) | (rest >> (64 - lz));
      rest <<= lz;
      field -= lz;
    }
  }
  sig += RoundsUp(sig, rest);  // to 64 bits
  if (sig == 0) [[unlikely]] {
    sig = kTop;
    ++field;
  }
  if (static_cast<std::uint32_t>(field - (kBias - 1022)) > 2045) [[unlikely]]
    return AddToDoubleGeneral(d, t, status);
  const std::uint64_t rest53 = sig << 53;
  std::uint64_t sig53 = sig >> 11;
  status |= (rest | rest53) != 0 ? soft_status::kPrecision : 0;
  sig53 += RoundsUp(sig53, rest53);  // to 53 bits; a carry steps the exponent
  const std::uint64_t result = (static_cast<std::uint64_t>(negative) << 63) +
                               (static_cast<std::uint64_t>(field - kBias + 1022) << 52) + sig53;
  if ((result << 1) >> 53 == 0x7FF) [[unlikely]]
    status |= soft_status::kOverflow | soft_status::kPrecision;
  return std::bit_cast<double>(result);
}

// FLD of a double, FADD, FST to a double: d + e rounded to extended, then
// to double, for any d and e; a normal e takes AddTermToDouble.
double AddToDouble(double d, SoftExtended e, unsigned& status);

}  // namespace peruka
