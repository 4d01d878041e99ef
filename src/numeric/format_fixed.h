// Number to text for the result label.
#pragma once

#include <cstdint>
#include <string>

#include "numeric/extended.h"

namespace peruka {

// The decimal form of a value: ±0.d1d2d3… × 10^exponent.
struct DecimalRecord {
  static constexpr std::int16_t kInfinityExponent = 32767;
  static constexpr std::int16_t kNanExponent = -32768;

  std::int16_t exponent = 0;
  bool negative = false;
  std::string digits;  // at most 18, no leading or trailing "0"; empty means zero
};

// The 18 significant digits of a finite, non-zero value and its decimal
// exponent, by the fixed sequence: scale |value| by 10^(18 - X) with
// ScaleByPowerOfTen, round to an integer (ties to even), divide by ten once
// if it reached 10^18. The string always holds exactly 18 digits.
void EighteenDigits(Extended value, std::int16_t& exponent, char digits[18]);

// The record for at most `precision` significant digits and `decimals`
// places: the eighteen digits cut by looking at the first dropped digit only
// (5 to 9 rounds the magnitude up). A value that cuts to nothing is an
// unsigned zero.
DecimalRecord MakeDecimalRecord(Extended value, int precision, int decimals);

// Fixed-point text with at most `precision` (clamped to 2..18) significant
// digits and exactly `decimals` (0..18) places after LocaleDecimalMark; the
// exponent layout "d.dddE<n>" once the rounded magnitude reaches
// 10^precision. "INF" and "NAN" for the non-finite values. Never raises.
// Example: FormatFixed(2.0 / 3.0, 15, 15) == "0.666666666666667".
std::string FormatFixed(Extended value, int precision, int decimals);

// Plain decimal text of a 32-bit integer: "-" for negatives, no padding.
std::string FormatInteger(std::int32_t value);

}  // namespace peruka
