// What every fuzz target shares: the entry point that libFuzzer (or the
// replay main) calls, a check that stops the run on a broken invariant, and
// readers that take typed values from the front of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "numeric/extended.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace peruka::fuzz {

// Stops the process with the broken invariant named: libFuzzer keeps the
// input as a crash, the replay test fails.
[[noreturn]] inline void Broken(const char* invariant, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, invariant);
  std::fflush(stderr);
  std::abort();
}

#define PERUKA_FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::peruka::fuzz::Broken(#condition, __FILE__, __LINE__))

// The input, consumed from the front: fixed-size values first, then the rest
// as text. A value past the end reads as zero bytes.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  std::uint64_t Bytes(std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= std::uint64_t{Byte()} << (8 * i);
    return value;
  }
  double Double() {
    const std::uint64_t bits = Bytes(8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // An extended value of any class the arithmetic can meet: the integer bit
  // follows the exponent field (set unless the field is zero), so there are
  // no unnormals, which no double widens to and the program never makes.
  Extended AnyExtended() {
    std::uint64_t significand = Bytes(8);
    const auto signExponent = static_cast<std::uint16_t>(Bytes(2));
    const std::uint64_t integerBit = std::uint64_t{1} << 63;
    if ((signExponent & 0x7FFF) == 0)
      significand &= ~integerBit;
    else
      significand |= integerBit;
    return FromBits(signExponent, significand);
  }
  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_), size_);
    data_ += size_;
    size_ = 0;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// The arithmetic as the programs run it, "." as the decimal mark, and the
// power function's reports counted instead of shown.
inline std::size_t& Reports() {
  static std::size_t count = 0;
  return count;
}

inline void Prepare() {
  EnsureExtendedPrecision();
  SetLocaleDecimalMark('.');
  static const bool kPresenterSet = [] {
    SetRuntimeMessagePresenter([](std::string_view, std::string_view) { ++Reports(); });
    return true;
  }();
  static_cast<void>(kPresenterSet);
  Reports() = 0;
}

// Classes and magnitude of an extended value from its fields, the same on
// either backend.
inline bool IsNan(Extended v) {
  return ExponentField(v) == kExtendedExponentAllOnes && (BitsOf(v).significand << 1) != 0;
}
inline bool IsInfinity(Extended v) {
  return ExponentField(v) == kExtendedExponentAllOnes && (BitsOf(v).significand << 1) == 0;
}
inline bool IsNormal(Extended v) {
  return ExponentField(v) != 0 && ExponentField(v) != kExtendedExponentAllOnes;
}
inline Extended Magnitude(Extended v) {
  return FromBits(static_cast<std::uint16_t>(BitsOf(v).signExponent & 0x7FFF), BitsOf(v).significand);
}

inline bool SameBits(Extended a, Extended b) {
  const ExtendedBits x = BitsOf(a);
  const ExtendedBits y = BitsOf(b);
  return x.signExponent == y.signExponent && x.significand == y.significand;
}

inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace peruka::fuzz
