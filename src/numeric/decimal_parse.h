// Decimal text to number, exactly as the calculation reads its column texts.
//
// The digits are accumulated in extended precision (each "× 10" and "+ digit"
// rounded on its own), scaled by ScaleByPowerOfTen and, in ParseDecimal,
// rounded once more to a double. This two-stage rounding is deliberate: for a
// few texts it gives the neighbour of the correctly rounded double.
#pragma once

#include <string_view>

#include "numeric/extended.h"

namespace peruka {

// Syntax: blanks (0x20 only), an optional sign, digits with an optional
// LocaleDecimalMark and fraction (at least one digit or the mark), an optional
// exponent ("e"/"E", optional sign, digits; taking stops once the exponent
// reaches 500), blanks, end. A NUL byte ends the text. Returns false for any
// other text, or when the accumulation or the scaling overflows the extended
// range. Underflow gives a subnormal or zero. Raises nothing.
bool ScanDecimal(std::string_view text, Extended& result);

// ScanDecimal rounded to a double (nearest, ties to even).
// Throws EConvertError "'<text>' は浮動小数点ではありません" (the text's bytes as
// they stand) when the scan fails, or "結果が 4096 文字以上あります" when that
// message would not fit 4096 bytes (a text of 4068 bytes or more).
// Throws EOverflow when the value lies beyond the largest double.
double ParseDecimal(std::string_view text);

// ParseDecimal without raising: false where ParseDecimal would raise.
bool TryParseDecimal(std::string_view text, double& value);

// TryParseDecimal for the texts data files hold, by a shorter route: an
// optional "-", then 1 to 17 digits with at most one "." among them (and "."
// only when it is the LocaleDecimalMark). Returns false, having decided
// nothing, for any other text; where it returns true, value is what
// TryParseDecimal gives. Such a text also passes the character rule of the
// columns.
bool TryParsePlainDecimal(std::string_view text, double& value);

// The conversion error that ParseDecimal raises for this text.
[[noreturn]] void RaiseConvertError(std::string_view text);

}  // namespace peruka
