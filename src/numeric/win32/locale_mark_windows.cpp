// The decimal mark of the system's default locale, in the ANSI code page.
#include <windows.h>

#include "numeric/locale_mark.h"

namespace peruka {

void LoadLocaleSettings() {
  // Room for one byte and its NUL: a longer mark does not fit and fails the
  // call, which leaves the point.
  char mark[2] = {};
  const int stored = ::GetLocaleInfoA(::GetSystemDefaultLCID(), LOCALE_SDECIMAL, mark, sizeof mark);
  SetLocaleDecimalMark(DecimalMarkFromLocaleText(stored > 0 ? mark : nullptr));
}

}  // namespace peruka
