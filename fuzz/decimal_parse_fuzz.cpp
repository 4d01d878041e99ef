// Decimal text to number: ScanDecimal, ParseDecimal and TryParseDecimal on
// any bytes.
#include <cmath>
#include <string>

#include "fuzz_target.h"
#include "numeric/decimal_parse.h"
#include "numeric/exceptions.h"
#include "numeric/runtime_messages.h"

using namespace peruka;

namespace {

// The message of the conversion error for `text`.
std::string NotFloatMessage(std::string_view text) {
  constexpr std::string_view kFormat = RuntimeMessageText(RuntimeMessage::NotFloat);
  constexpr std::size_t kSlot = kFormat.find("%s");
  constexpr std::size_t kLongestText = 4067;
  if (text.size() > kLongestText) return std::string(RuntimeMessageText(RuntimeMessage::ResultTooLong));
  return std::string(kFormat.substr(0, kSlot)) + std::string(text) + std::string(kFormat.substr(kSlot + 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  Extended scanned = 0.0L;
  const bool scans = ScanDecimal(text, scanned);
  if (scans) PERUKA_FUZZ_CHECK(!fuzz::IsNan(scanned) && !fuzz::IsInfinity(scanned));

  // Blanks around the text change nothing (a NUL ends the text, so blanks
  // after it are not even read).
  Extended padded = 0.0L;
  PERUKA_FUZZ_CHECK(ScanDecimal("  " + std::string(text) + " ", padded) == scans);
  if (scans) PERUKA_FUZZ_CHECK(fuzz::SameBits(padded, scanned));

  // A minus sign gives the negated value, zero included.
  if (scans && !text.empty() && text.find_first_not_of(' ') != std::string_view::npos) {
    const char first = text[text.find_first_not_of(' ')];
    if (first == '-') PERUKA_FUZZ_CHECK(SignBit(scanned));
    if (first >= '0' && first <= '9') PERUKA_FUZZ_CHECK(!SignBit(scanned));
  }

  double tried = 0.0;
  const bool converts = TryParseDecimal(text, tried);
  try {
    const double parsed = ParseDecimal(text);
    PERUKA_FUZZ_CHECK(scans && converts && std::isfinite(parsed));
    PERUKA_FUZZ_CHECK(fuzz::SameBits(parsed, tried));
    PERUKA_FUZZ_CHECK(fuzz::SameBits(parsed, StoreDouble(scanned)));
  } catch (const EConvertError& error) {
    PERUKA_FUZZ_CHECK(!scans && !converts);
    PERUKA_FUZZ_CHECK(error.Message() == NotFloatMessage(text));
  } catch (const EOverflow& error) {
    // Only the rounding of an extended value beyond the double range.
    PERUKA_FUZZ_CHECK(scans && !converts && std::isinf(StoreDouble(scanned)));
    PERUKA_FUZZ_CHECK(error.Message() == RuntimeMessageText(RuntimeMessage::Overflow));
  } catch (...) {
    PERUKA_FUZZ_CHECK(!"only EConvertError and EOverflow leave ParseDecimal");
  }
  return 0;
}
