// The decimal mark of the numeric locale that the environment names
// (LC_ALL, LC_NUMERIC, LANG).
#include <langinfo.h>
#include <locale.h>

#include "numeric/locale_mark.h"

namespace peruka {

void LoadLocaleSettings() {
  // A private locale object: the process-wide C locale stays untouched.
  locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    SetLocaleDecimalMark('.');
    return;
  }
  SetLocaleDecimalMark(DecimalMarkFromLocaleText(nl_langinfo_l(RADIXCHAR, locale)));
  freelocale(locale);
}

}  // namespace peruka
