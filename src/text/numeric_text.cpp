#include "text/numeric_text.h"

namespace peruka {

bool IsNumericText(std::string_view text) {
  bool pass = true;
  int points = 0;
  for (std::size_t j = 0; j < text.size(); ++j) {
    const char c = text[j];
    if (c == '-') {
      if (j != 0) pass = false;
    } else if (c == '.') {
      if (++points > 1) pass = false;
    } else if (c < '0' || c > '9') {
      pass = false;
    }
  }
  return pass;
}

}  // namespace peruka
