#include "cli/json_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace peruka::cli {

namespace {

constexpr std::string_view kReplacement = "\\ufffd";

// The length of the well-formed UTF-8 character at the start of `text`, or
// 0 when its first byte does not start one (an overlong form, a surrogate,
// a code point beyond U+10FFFF or a cut sequence).
std::size_t Utf8CharacterLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

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
  char buffer[32];
  const std::to_chars_result done = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, done.ptr);
}

}  // namespace peruka::cli
