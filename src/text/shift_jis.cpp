#include "text/shift_jis.h"

#include <cstdint>
#include <cstring>

namespace peruka {

// The conversions themselves are in shift_jis_iconv.cpp (iconv, where the C
// library has it) or shift_jis_windows.cpp (the Windows code page API).

std::string_view CutShiftJis(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t i = 0;
  while (i < limit) {
    const bool lead = IsShiftJisLeadByte(static_cast<unsigned char>(text[i]));
    if (lead && i + 1 >= limit) break;
    i += lead ? 2 : 1;
  }
  return text.substr(0, i);
}

bool IsAscii(std::string_view text) {
  // Eight bytes at a time: a long input is usually all ASCII.
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & kHighBits) return false;
  }
  for (; i < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
  return true;
}

std::size_t Utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed second bytes
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
  if (length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace peruka
