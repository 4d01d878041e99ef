// Conversion between UTF-8 and Shift-JIS (code page 932), the program's
// internal text. All conversion goes through here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace peruka {

// UTF-8 to Shift-JIS. A character with no Shift-JIS form, and every byte of
// malformed UTF-8, becomes "?".
std::string Utf8ToShiftJis(std::string_view utf8);

// Shift-JIS to UTF-8. A byte sequence that is not Shift-JIS becomes U+FFFD.
std::string ShiftJisToUtf8(std::string_view sjis);

// The first byte of a double-byte Shift-JIS character: 0x81 to 0x9F and
// 0xE0 to 0xFC.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The text cut to at most `limit` bytes without splitting a double-byte
// character.
std::string_view CutShiftJis(std::string_view text, std::size_t limit);

// True when every byte is below 0x80: such a text is the same in both.
bool IsAscii(std::string_view text);

// The length of the well-formed UTF-8 character at the start of `text` (1 for
// ASCII), or 0 when its first byte does not start one: an overlong form, a
// surrogate, a code point beyond U+10FFFF or a cut sequence.
std::size_t Utf8CharacterLength(std::string_view text);

}  // namespace peruka
