#include "numeric/format_fixed.h"

#include <algorithm>
#include <cassert>

#include "numeric/locale_mark.h"
#include "numeric/power_of_ten.h"

namespace peruka {

namespace {

constexpr int kMaxDigits = 18;
constexpr int kMinPrecision = 2;
// log10(2) as the fraction 19728 / 65536.
constexpr std::int32_t kLog10Of2Times65536 = 19728;
// 10^18, exact in extended precision (exponent field 403A).
constexpr Extended kTenToThe18 = FromBits(0x403A, 0xDE0B6B3A76400000ULL);

void DropTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

void EighteenDigits(Extended value, std::int16_t& exponent, char digits[18]) {
  assert(ExponentField(value) != 0 && ExponentField(value) != kExtendedExponentAllOnes);
  const std::int32_t binaryExponent = ExponentField(value) - kExtendedExponentBias;
  // An arithmetic shift floors the product.
  std::int32_t decimalExponent = ((binaryExponent * kLog10Of2Times65536) >> 16) + 1;
  Extended y = ScaleByPowerOfTen(Abs(value), kMaxDigits - decimalExponent);
  y = RoundToNearestInteger(y);
  if (y >= kTenToThe18) {
    y = y / 10.0;
    ++decimalExponent;
  }
  auto integer = static_cast<std::uint64_t>(RoundToInt64(y));
  for (int i = kMaxDigits - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
  exponent = static_cast<std::int16_t>(decimalExponent);
}

DecimalRecord MakeDecimalRecord(Extended value, int precision, int decimals) {
  DecimalRecord record;
  const int field = ExponentField(value);
  if (field == 0) return record;  // zero, negative zero or an extended denormal
  if (field == kExtendedExponentAllOnes) {
    if ((BitsOf(value).significand >> 48) == 0x8000) {
      record.exponent = DecimalRecord::kInfinityExponent;
      record.negative = SignBit(value);
    } else {
      record.exponent = DecimalRecord::kNanExponent;
    }
    return record;
  }

  char eighteen[kMaxDigits];
  std::int16_t exponent;
  EighteenDigits(value, exponent, eighteen);

  int keep = exponent + decimals;
  if (keep < 0) return record;  // below the last place: an unsigned zero
  keep = std::min(keep, precision);

  std::string digits;
  if (keep == kMaxDigits) {
    digits.assign(eighteen, kMaxDigits);
  } else if (eighteen[keep] >= '5') {
    digits.assign(eighteen, static_cast<std::size_t>(keep));
    // Add one to the last retained digit; a "9" passed over is dropped.
    while (!digits.empty() && digits.back() == '9') digits.pop_back();
    if (digits.empty()) {
      digits.assign(1, '1');
      ++exponent;
    } else {
      ++digits.back();
    }
  } else {
    digits.assign(eighteen, static_cast<std::size_t>(keep));
  }
  DropTrailingZeros(digits);

  record.exponent = exponent;
  if (!digits.empty()) {
    record.negative = SignBit(value);
    record.digits = std::move(digits);
  }
  return record;
}

std::string FormatFixed(Extended value, int precision, int decimals) {
  assert(decimals >= 0 && decimals <= kMaxDigits);
  precision = std::clamp(precision, kMinPrecision, kMaxDigits);
  const DecimalRecord record = MakeDecimalRecord(value, precision, decimals);
  if (record.exponent == DecimalRecord::kInfinityExponent) return "INF";
  if (record.exponent == DecimalRecord::kNanExponent) return "NAN";

  const char mark = LocaleDecimalMark();
  std::string text;
  if (record.negative) text += '-';
  std::size_t next = 0;
  auto nextDigit = [&]() { return next < record.digits.size() ? record.digits[next++] : '0'; };

  if (record.exponent > precision) {
    text += nextDigit();
    if (record.digits.size() > 1) {
      text += mark;
      text.append(record.digits, 1);
    }
    text += 'E';
    text += FormatInteger(record.exponent - 1);
    return text;
  }

  if (record.exponent <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < record.exponent; ++i) text += nextDigit();
  }
  if (decimals > 0) {
    text += mark;
    int written = 0;
    if (record.exponent < 0) {
      const int zeros = std::min(-static_cast<int>(record.exponent), decimals);
      text.append(static_cast<std::size_t>(zeros), '0');
      written = zeros;
    }
    for (; written < decimals; ++written) text += nextDigit();
  }
  return text;
}

std::string FormatInteger(std::int32_t value) {
  // The magnitude as an unsigned number, so the most negative value works.
  std::uint32_t magnitude =
      value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  char buffer[12];
  char* end = buffer + sizeof buffer;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  return std::string(p, end);
}

}  // namespace peruka
