// The conversions through the Windows code page 932, one character at a
// time, with the same substitutes as the iconv ones: "?" for a character
// without a Shift-JIS form and for each byte of malformed UTF-8, U+FFFD for
// each byte that starts no Shift-JIS character.
#include <windows.h>

#include <cstdint>

#include "text/shift_jis.h"

namespace peruka {

namespace {

constexpr UINT kShiftJisCodePage = 932;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// The code point of a well-formed UTF-8 character of `length` bytes.
std::uint32_t CodePoint(std::string_view text, std::size_t length) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
  };
  static constexpr std::uint32_t kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  std::uint32_t code = byte(0) & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The one character of `bytes` (one or two) in UTF-8; false when the code
// page has no character for them.
bool ShiftJisCharacterToUtf8(std::string_view bytes, std::string& out) {
  wchar_t wide[2];
  const int units = ::MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                          static_cast<int>(bytes.size()), wide, 2);
  if (units != 1) return false;
  AppendUtf8(static_cast<std::uint32_t>(wide[0]), out);
  return true;
}

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out += utf8[i++];
      continue;
    }
    const std::size_t length = Utf8CharacterLength(utf8.substr(i));
    if (length == 0) {  // malformed: one "?" for this byte
      out += '?';
      ++i;
      continue;
    }
    const std::uint32_t code = CodePoint(utf8.substr(i), length);
    i += length;
    wchar_t wide[2];
    int units = 1;
    if (code >= 0x10000) {
      wide[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
      wide[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
      units = 2;
    } else {
      wide[0] = static_cast<wchar_t>(code);
    }
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int written = ::WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide, units, bytes,
                                              sizeof bytes, nullptr, &usedDefault);
    if (written <= 0 || usedDefault)
      out += '?';
    else
      out.append(bytes, static_cast<std::size_t>(written));
  }
  return out;
}

std::string ShiftJisToUtf8(std::string_view sjis) {
  if (IsAscii(sjis)) return std::string(sjis);
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  for (std::size_t i = 0; i < sjis.size();) {
    const auto byte = static_cast<unsigned char>(sjis[i]);
    if (byte < 0x80) {
      out += sjis[i++];
      continue;
    }
    const std::size_t length = IsShiftJisLeadByte(byte) ? 2 : 1;
    if (i + length <= sjis.size() && ShiftJisCharacterToUtf8(sjis.substr(i, length), out)) {
      i += length;
      continue;
    }
    out += kReplacementUtf8;  // this byte starts no character
    ++i;
  }
  return out;
}

}  // namespace peruka
