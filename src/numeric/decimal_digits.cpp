#include "numeric/decimal_digits.h"

namespace peruka {

namespace {

std::size_t DigitRun(std::string_view text, std::size_t from) {
  std::size_t to = from;
  while (to < text.size() && text[to] >= '0' && text[to] <= '9') ++to;
  return to - from;
}

}  // namespace

bool SplitDecimalDigits(std::string_view text, char decimalMark, DecimalDigits& digits) {
  std::size_t at = 0;
  digits.negative = !text.empty() && text[0] == '-';
  at += digits.negative;
  const std::size_t integerLength = DigitRun(text, at);
  digits.integerDigits = text.substr(at, integerLength);
  at += integerLength;
  digits.fractionDigits = {};
  const bool marked = at < text.size() && text[at] == decimalMark;
  if (marked) {
    ++at;
    const std::size_t fractionLength = DigitRun(text, at);
    digits.fractionDigits = text.substr(at, fractionLength);
    at += fractionLength;
  }
  return at == text.size() && (integerLength > 0 || marked);
}

}  // namespace peruka
