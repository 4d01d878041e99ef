#include "ui/file_drop.h"

#include "text/byte_order_mark.h"
#include "text/shift_jis.h"

namespace peruka {

namespace {

bool IsUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t length = Utf8CharacterLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

}  // namespace

std::string DecodedFileText(std::string_view bytes) {
  if (!IsUtf8(bytes)) return std::string(bytes);
  return Utf8ToShiftJis(WithoutByteOrderMark(bytes));
}

}  // namespace peruka
