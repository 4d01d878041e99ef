// The pieces of the command's JSON output.
#pragma once

#include <string>
#include <string_view>

namespace peruka::cli {

// `text` as a JSON string, quotes included. The text is meant to be UTF-8;
// each byte that does not belong to a well-formed UTF-8 character becomes
// U+FFFD, so the output is UTF-8 whatever the bytes. Quotes, backslashes and
// control characters (U+0000 to U+001F and U+007F) are escaped.
std::string JsonString(std::string_view text);

// The shortest decimal that reads back as the same double, as a JSON number
// ("2", "-0.5", "1e+300", "-0"). The value must be finite.
std::string JsonNumber(double value);

}  // namespace peruka::cli
