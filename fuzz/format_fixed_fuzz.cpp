// Number to fixed text: FormatFixed on any extended value (or any double, as
// the result text passes), any precision and decimals from 0 to 18.
#include <cmath>
#include <string>

#include "fuzz_target.h"
#include "numeric/decimal_parse.h"
#include "numeric/format_fixed.h"

using namespace peruka;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The shape of a fixed-layout text: [-]digits, then "." and exactly
// `decimals` digits when decimals > 0; returns its integer digit count.
bool FixedShape(std::string_view text, int decimals, int precision) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const std::size_t mark = decimals > 0 ? text.find('.') : text.size();
  if (mark == std::string_view::npos || mark == 0) return false;
  const std::string_view whole = text.substr(0, mark);
  for (const char c : whole)
    if (!IsDigit(c)) return false;
  if (whole.size() > static_cast<std::size_t>(precision)) return false;
  if (whole.size() > 1 && whole[0] == '0') return false;
  if (decimals == 0) return true;
  const std::string_view fraction = text.substr(mark + 1);
  if (fraction.size() != static_cast<std::size_t>(decimals)) return false;
  for (const char c : fraction)
    if (!IsDigit(c)) return false;
  return true;
}

// d[.ddd]E<n>: at most `precision` digits, the last not "0", and a positive
// exponent without sign or leading zero.
bool ExponentShape(std::string_view text, int precision) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const std::size_t e = text.find('E');
  if (e == std::string_view::npos || e == 0 || e + 1 == text.size()) return false;
  std::string_view mantissa = text.substr(0, e);
  const std::string_view exponent = text.substr(e + 1);
  if (!IsDigit(mantissa[0]) || mantissa[0] == '0') return false;
  std::size_t digits = 1;
  if (mantissa.size() > 1) {
    if (mantissa[1] != '.' || mantissa.size() < 3 || mantissa.back() == '0') return false;
    for (const char c : mantissa.substr(2))
      if (!IsDigit(c)) return false;
    digits += mantissa.size() - 2;
  }
  if (digits > static_cast<std::size_t>(precision)) return false;
  if (exponent[0] == '0') return false;
  for (const char c : exponent)
    if (!IsDigit(c)) return false;
  return true;
}

std::string WithMark(std::string text, char mark) {
  for (char& c : text)
    if (c == '.') c = mark;
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  fuzz::Input input(data, size);
  const std::uint8_t mode = input.Byte();
  const int precision = static_cast<int>(input.Byte() % 24) - 3;  // clamped to 2..18 inside
  const int decimals = input.Byte() % 19;
  const Extended value = (mode & 1) ? static_cast<Extended>(input.Double()) : input.AnyExtended();
  const int clamped = precision < 2 ? 2 : precision > 18 ? 18 : precision;

  std::string text;
  try {
    text = FormatFixed(value, precision, decimals);
  } catch (...) {
    PERUKA_FUZZ_CHECK(!"FormatFixed never raises");
  }
  if (ExponentField(value) == kExtendedExponentAllOnes) {
    // Told apart by the top 16 bits of the significand alone, as the
    // classification does: only 0x8000 is an infinity.
    const bool infinity = (BitsOf(value).significand >> 48) == 0x8000;
    PERUKA_FUZZ_CHECK(text == (infinity ? "INF" : "NAN"));
    return 0;
  }
  const bool exponentLayout = text.find('E') != std::string::npos;
  PERUKA_FUZZ_CHECK(exponentLayout ? ExponentShape(text, clamped) : FixedShape(text, decimals, clamped));

  // The other sign gives the other sign, except where the text is zero.
  const std::string mirrored = FormatFixed(-value, precision, decimals);
  const bool zero = text.find_first_not_of("0.") == std::string::npos;
  if (zero)
    PERUKA_FUZZ_CHECK(mirrored == text);
  else if (text.starts_with('-'))
    PERUKA_FUZZ_CHECK("-" + mirrored == text);
  else
    PERUKA_FUZZ_CHECK(mirrored == "-" + text);

  // Another decimal mark changes that byte only.
  SetLocaleDecimalMark(',');
  const std::string comma = FormatFixed(value, precision, decimals);
  SetLocaleDecimalMark('.');
  PERUKA_FUZZ_CHECK(comma == WithMark(text, ','));

  // The text reads back, and with at most 17 digits it reads back to a
  // value that gives the same text again (18 digits are not cut, so there
  // the last one may move). The scan refuses only beyond the extended range.
  Extended back = 0.0L;
  if (!ScanDecimal(text, back)) {
    PERUKA_FUZZ_CHECK(exponentLayout && text.substr(text.find('E') + 1).size() == 4 &&
                      text.substr(text.find('E') + 1) >= "4932");
    return 0;
  }
  if (clamped <= 17) PERUKA_FUZZ_CHECK(FormatFixed(back, precision, decimals) == text);
  return 0;
}
