#include "numeric/locale_mark.h"

#include <cstring>

namespace peruka {

namespace {
char g_decimalMark = '.';
}

// LoadLocaleSettings, which asks the system, is in locale_mark_posix.cpp or
// locale_mark_windows.cpp.

char LocaleDecimalMark() { return g_decimalMark; }

void SetLocaleDecimalMark(char mark) { g_decimalMark = mark; }

char DecimalMarkFromLocaleText(const char* text) {
  // Only a mark that fits one byte is taken.
  if (text == nullptr || std::strlen(text) != 1) return '.';
  return text[0];
}

}  // namespace peruka
