// The one process-wide decimal mark used by both number conversions.
#pragma once

namespace peruka {

// The current mark: one byte, "." until LoadLocaleSettings finds another.
char LocaleDecimalMark();

// Reads the mark from the process's numeric locale (LC_ALL, LC_NUMERIC, LANG).
// A one-byte mark is taken as it is; an empty mark, a longer one or a locale
// that cannot be loaded gives ".".
void LoadLocaleSettings();

// Sets the mark directly (a command-line override, or a test).
void SetLocaleDecimalMark(char mark);

// The rule of LoadLocaleSettings on a mark text as the locale reports it.
char DecimalMarkFromLocaleText(const char* text);

}  // namespace peruka
