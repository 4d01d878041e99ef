#include "fit/exact_power_sums.h"

#include <cstdint>
#include <stdexcept>

#include "fit/exact_sums_integers.h"
#include "numeric/decimal_digits.h"

namespace peruka {

namespace {

// Below 10^18 a value and ten times it plus a digit fit 64 bits.
constexpr std::size_t kSmallDigits = 18;

// A point's value at a scale: value·10^scale, an integer, in 64 bits when
// it has few digits.
struct ScaledValue {
  bool small = true;
  std::int64_t smallValue = 0;
  BigInteger bigValue;

  const BigInteger& Big() {
    if (small) bigValue = smallValue;
    return bigValue;
  }
};

std::string_view WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

// The digits of `number` times 10^(scale − its decimals), scale >= decimals.
void Scale(const DecimalDigits& number, unsigned scale, ScaledValue& out) {
  const auto zeros = scale - static_cast<unsigned>(number.fractionDigits.size());
  const std::string_view integer = WithoutLeadingZeros(number.integerDigits);
  const std::string_view fraction =
      integer.empty() ? WithoutLeadingZeros(number.fractionDigits) : number.fractionDigits;
  if (integer.size() + fraction.size() + zeros <= kSmallDigits) {
    std::int64_t value = 0;
    for (const char digit : integer) value = value * 10 + (digit - '0');
    for (const char digit : fraction) value = value * 10 + (digit - '0');
    for (unsigned i = 0; i < zeros; ++i) value *= 10;
    out.small = true;
    out.smallValue = number.negative ? -value : value;
    return;
  }
  std::string text(integer);
  text += fraction;
  out.small = false;
  out.bigValue = BigInteger(text);
  if (zeros > 0) out.bigValue *= PowerOfTen(zeros);
  if (number.negative) out.bigValue = -out.bigValue;
}

DecimalDigits Split(std::string_view text, char decimalMark) {
  DecimalDigits digits;
  if (!SplitDecimalDigits(text, decimalMark, digits))
    throw std::invalid_argument("not a plain decimal number: " + std::string(text));
  return digits;
}

// Raises the scales of `sums` to xScale and yScale.
void Rescale(ExactSumIntegers& sums, unsigned xScale, unsigned yScale) {
  if (xScale > sums.xScale) {
    const BigInteger step = PowerOfTen(xScale - sums.xScale);
    BigInteger factor = step;
    for (std::size_t k = 1; k < sums.s.size(); ++k, factor *= step) {
      sums.s[k] *= factor;
      if (k < sums.r.size()) sums.r[k] *= factor;
    }
    sums.xScale = xScale;
  }
  if (yScale > sums.yScale) {
    const BigInteger factor = PowerOfTen(yScale - sums.yScale);
    for (BigInteger& r : sums.r) r *= factor;
    sums.q *= factor * factor;
    sums.yScale = yScale;
  }
}

}  // namespace

ExactPowerSums::ExactPowerSums(int degree) : sums_(std::make_unique<ExactSumIntegers>()) {
  if (degree < 0) throw std::out_of_range("ExactPowerSums: negative degree");
  sums_->degree = degree;
  sums_->s.resize(static_cast<std::size_t>(2 * degree + 1));
  sums_->r.resize(static_cast<std::size_t>(degree + 1));
}

ExactPowerSums::~ExactPowerSums() = default;
ExactPowerSums::ExactPowerSums(ExactPowerSums&&) noexcept = default;
ExactPowerSums& ExactPowerSums::operator=(ExactPowerSums&&) noexcept = default;

int ExactPowerSums::Degree() const { return sums_->degree; }
std::size_t ExactPowerSums::Points() const { return sums_->points; }

void ExactPowerSums::Add(std::string_view xText, std::string_view yText, char decimalMark) {
  const DecimalDigits x = Split(xText, decimalMark);
  const DecimalDigits y = Split(yText, decimalMark);
  ExactSumIntegers& sums = *sums_;
  Rescale(sums, std::max(sums.xScale, static_cast<unsigned>(x.fractionDigits.size())),
          std::max(sums.yScale, static_cast<unsigned>(y.fractionDigits.size())));
  thread_local ScaledValue scaledX, scaledY;
  thread_local BigInteger power;
  Scale(x, sums.xScale, scaledX);
  Scale(y, sums.yScale, scaledY);
  const std::size_t top = sums.s.size() - 1;
  ++sums.points;
  sums.s[0] += 1;
  if (scaledY.small) {
    const std::int64_t yValue = scaledY.smallValue;
    sums.r[0] += yValue;
    sums.q += BigInteger(yValue) * yValue;
  } else {
    sums.r[0] += scaledY.bigValue;
    sums.q += scaledY.bigValue * scaledY.bigValue;
  }
  if (top == 0) return;
  power = scaledX.Big();
  for (std::size_t k = 1;; ++k) {
    sums.s[k] += power;
    if (k < sums.r.size()) {
      if (scaledY.small)
        sums.r[k] += power * scaledY.smallValue;
      else
        sums.r[k] += power * scaledY.bigValue;
    }
    if (k == top) break;
    if (scaledX.small)
      power *= scaledX.smallValue;
    else
      power *= scaledX.bigValue;
  }
}

void ExactPowerSums::Merge(const ExactPowerSums& other) {
  if (other.sums_->degree != sums_->degree) throw std::invalid_argument("ExactPowerSums: degrees differ");
  ExactSumIntegers& sums = *sums_;
  ExactSumIntegers theirs = *other.sums_;
  const unsigned xScale = std::max(sums.xScale, theirs.xScale);
  const unsigned yScale = std::max(sums.yScale, theirs.yScale);
  Rescale(sums, xScale, yScale);
  Rescale(theirs, xScale, yScale);
  for (std::size_t k = 0; k < sums.s.size(); ++k) sums.s[k] += theirs.s[k];
  for (std::size_t k = 0; k < sums.r.size(); ++k) sums.r[k] += theirs.r[k];
  sums.q += theirs.q;
  sums.points += theirs.points;
}

}  // namespace peruka
