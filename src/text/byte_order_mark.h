// The UTF-8 byte order mark that some editors put at the start of a file.
#pragma once

#include <string_view>

namespace peruka {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text without a leading byte order mark.
constexpr std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  return text;
}

}  // namespace peruka
