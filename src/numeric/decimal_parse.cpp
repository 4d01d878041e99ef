#include "numeric/decimal_parse.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "numeric/faults.h"
#include "numeric/locale_mark.h"
#include "numeric/power_of_ten.h"
#include "numeric/runtime_messages.h"

namespace peruka {

namespace {

// '%s' は浮動小数点ではありません, split around the %s.
constexpr std::string_view kNotFloatFormat = RuntimeMessageText(RuntimeMessage::NotFloat);
constexpr std::size_t kNotFloatSlot = kNotFloatFormat.find("%s");
static_assert(kNotFloatSlot != std::string_view::npos);
constexpr std::string_view kNotFloatPrefix = kNotFloatFormat.substr(0, kNotFloatSlot);
constexpr std::string_view kNotFloatSuffix = kNotFloatFormat.substr(kNotFloatSlot + 2);
// The message is built into a buffer of 4097 bytes; it must leave room for
// the terminating NUL.
constexpr std::size_t kMessageBufferSize = 4097;

constexpr std::int32_t kExponentDigitStop = 500;
// Below 10^18 an integer accumulator times ten plus a digit stays exact in
// 64 bits, and so does the same sum in extended precision.
constexpr std::uint64_t kExactIntegerLimit = 100000000000000000ULL;  // 1e17

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The digit accumulator A := A × 10 + digit, each step rounded to extended.
// While A is below 10^17 every step is exact, so an integer holds it; past
// that the extended arithmetic takes over.
class DigitAccumulator {
 public:
  // Takes the digits from `pos` on; returns how many were taken.
  std::int64_t Take(const unsigned char* p, std::size_t size, std::size_t& pos) {
    const std::size_t start = pos;
    while (!extended_ && pos < size && IsDigit(p[pos])) {
      if (integer_ >= kExactIntegerLimit) {
        value_ = AsExtended(integer_);
        extended_ = true;
        break;
      }
      integer_ = integer_ * 10 + (p[pos] - '0');
      ++pos;
    }
    while (pos < size && IsDigit(p[pos])) {
      value_ = value_ * 10.0;
      value_ = value_ + static_cast<Extended>(p[pos] - '0');
      ++pos;
    }
    return static_cast<std::int64_t>(pos - start);
  }

  Extended Value() const { return extended_ ? value_ : AsExtended(integer_); }

 private:
  // The integer stays below 10^18 < 2^63: a signed conversion is exact.
  static Extended AsExtended(std::uint64_t integer) {
    return static_cast<Extended>(static_cast<std::int64_t>(integer));
  }

  std::uint64_t integer_ = 0;
  Extended value_ = 0.0;
  bool extended_ = false;
};

}  // namespace

bool ScanDecimal(std::string_view text, Extended& result) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t size = text.size();
  // A NUL byte ends the text.
  for (std::size_t i = 0; i < size; ++i) {
    if (p[i] == 0) {
      size = i;
      break;
    }
  }
  std::size_t pos = 0;
  while (pos < size && p[pos] == ' ') ++pos;

  bool negative = false;
  if (pos < size && (p[pos] == '+' || p[pos] == '-')) {
    negative = p[pos] == '-';
    ++pos;
  }

  const std::size_t bodyStart = pos;
  DigitAccumulator digits;
  digits.Take(p, size, pos);

  std::int64_t exponent = 0;
  if (pos < size && p[pos] == static_cast<unsigned char>(LocaleDecimalMark())) {
    ++pos;
    exponent = -digits.Take(p, size, pos);
  }
  if (pos == bodyStart) return false;

  if (pos < size && (p[pos] == 'E' || p[pos] == 'e')) {
    ++pos;
    bool exponentNegative = false;
    if (pos < size && (p[pos] == '+' || p[pos] == '-')) {
      exponentNegative = p[pos] == '-';
      ++pos;
    }
    std::int32_t explicitExponent = 0;
    while (pos < size && IsDigit(p[pos])) {
      explicitExponent = explicitExponent * 10 + (p[pos] - '0');
      ++pos;
      if (explicitExponent >= kExponentDigitStop) break;
    }
    exponent += exponentNegative ? -explicitExponent : explicitExponent;
  }

  while (pos < size && p[pos] == ' ') ++pos;
  if (pos != size) return false;

  // Overflow of the extended range, in the accumulation or the scaling, is a
  // failure. Overflow can only produce an infinity, which then stays one, but
  // a scale of -5120 or less would turn it back into a zero: look first.
  Extended acc = digits.Value();
  bool overflowed = IsInf(acc);
  if (exponent <= -kPowerOfTenScaleLimit) exponent = -kPowerOfTenScaleLimit;
  acc = ScaleByPowerOfTen(acc, static_cast<std::int32_t>(exponent));
  overflowed = overflowed || IsInf(acc);
  if (negative) acc = -acc;
  if (overflowed) return false;
  result = acc;
  return true;
}

void RaiseConvertError(std::string_view text) {
  const std::size_t length = kNotFloatPrefix.size() + text.size() + kNotFloatSuffix.size();
  if (length >= kMessageBufferSize) RaiseRuntimeMessage(RuntimeMessage::ResultTooLong);
  std::string message;
  message.reserve(length);
  message.append(kNotFloatPrefix).append(text).append(kNotFloatSuffix);
  RaiseRuntimeMessage(RuntimeMessage::NotFloat, std::move(message));
}

bool TryParseDecimal(std::string_view text, double& value) {
  Extended extended;
  if (!ScanDecimal(text, extended)) return false;
  value = StoreDouble(extended);
  return !std::isinf(value);
}

bool TryParsePlainDecimal(std::string_view text, double& value) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  const bool negative = p != end && *p == '-';
  p += negative;
  // At most 17 digits: the integer stays below 10^17, as in DigitAccumulator,
  // and converts exactly.
  std::uint64_t integer = 0;
  int digits = 0;
  int fractionDigits = -1;  // -1: no point
  for (; p != end; ++p) {
    const unsigned digit = static_cast<unsigned>(*p) - '0';
    if (digit <= 9) {
      integer = integer * 10 + digit;
      ++digits;
      fractionDigits += fractionDigits >= 0;
    } else if (*p == '.' && fractionDigits < 0) {
      fractionDigits = 0;
    } else {
      return false;
    }
  }
  if (digits == 0 || digits > 17) return false;
  if (fractionDigits >= 0 && LocaleDecimalMark() != '.') return false;
  Extended scanned = static_cast<Extended>(static_cast<std::int64_t>(integer));
  // ScaleByPowerOfTen by fewer than 32 places: one division.
  if (fractionDigits > 0) scanned = scanned / kPowersOfTenUnits[fractionDigits];
  if (negative) scanned = -scanned;
  value = StoreDouble(scanned);
  return true;
}

double ParseDecimal(std::string_view text) {
  Extended value;
  if (!ScanDecimal(text, value)) RaiseConvertError(text);
  const double stored = StoreDouble(value);
  if (std::isinf(stored)) RaiseFault(kFaultFloatOverflow);
  return stored;
}

}  // namespace peruka
