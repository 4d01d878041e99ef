#include "numeric/locale_mark.h"

#include <cstring>

#if defined(__unix__) || defined(__APPLE__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace peruka {

namespace {
char g_decimalMark = '.';
}

char LocaleDecimalMark() { return g_decimalMark; }

void SetLocaleDecimalMark(char mark) { g_decimalMark = mark; }

char DecimalMarkFromLocaleText(const char* text) {
  // Only a mark that fits one byte is taken.
  if (text == nullptr || std::strlen(text) != 1) return '.';
  return text[0];
}

void LoadLocaleSettings() {
#if defined(__unix__) || defined(__APPLE__)
  // A private locale object: the process-wide C locale stays untouched.
  locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    g_decimalMark = '.';
    return;
  }
  g_decimalMark = DecimalMarkFromLocaleText(nl_langinfo_l(RADIXCHAR, locale));
  freelocale(locale);
#else
  g_decimalMark = '.';
#endif
}

}  // namespace peruka
