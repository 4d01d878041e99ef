#include "cli/json_text.h"

#include <cassert>
#include <cmath>
#include <cstdint>

#include "numeric/shortest_decimal.h"
#include "text/shift_jis.h"

namespace peruka::cli {

namespace {

constexpr std::string_view kReplacement = "\\ufffd";

}  // namespace

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string json;
  json.reserve(text.size() + 2);
  json += '"';
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const std::size_t length = Utf8CharacterLength(text.substr(i));
      if (length == 0) {
        json += kReplacement;
        ++i;
      } else {
        json.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          json += "\\u00";
          json += kHex[c >> 4];
          json += kHex[c & 0xF];
        } else {
          json += static_cast<char>(c);
        }
    }
  }
  json += '"';
  return json;
}

std::string JsonNumber(double value) {
  assert(std::isfinite(value));
  return ShortestDecimal(value);
}

}  // namespace peruka::cli
