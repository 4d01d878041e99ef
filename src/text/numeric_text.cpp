#include "text/numeric_text.h"

namespace peruka {

bool IsNumericText(std::string_view text) {
  // A "-" is allowed at the first position only; after it, every byte must be
  // a digit or a point, and at most one point may stand. The result does not
  // depend on where a failure is, so the walk needs no early exit.
  std::size_t j = !text.empty() && text[0] == '-' ? 1 : 0;
  std::size_t points = 0;
  bool other = false;
  for (; j < text.size(); ++j) {
    const auto c = static_cast<unsigned char>(text[j]);
    const bool point = c == '.';
    points += point;
    other |= !point && static_cast<unsigned char>(c - '0') > 9;
  }
  return !other && points <= 1;
}

}  // namespace peruka
