#include "fit/exact_power_sums.h"

#include <cstdint>
#include <stdexcept>
#include <type_traits>

#include "fit/exact_sums_integers.h"
#include "fit/exact_x_groups.h"
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

// A signed 128-bit integer as a big one.
BigInteger Wide(__int128 value) {
  const bool negative = value < 0;
  const auto magnitude =
      negative ? -static_cast<unsigned __int128>(value) : static_cast<unsigned __int128>(value);
  BigInteger big = static_cast<std::uint64_t>(magnitude >> 64);
  big <<= 64;
  big += static_cast<std::uint64_t>(magnitude);
  return negative ? BigInteger(-big) : big;
}

BigInteger Wide(unsigned __int128 value) {
  BigInteger big = static_cast<std::uint64_t>(value >> 64);
  big <<= 64;
  big += static_cast<std::uint64_t>(value);
  return big;
}

// S[k] += count·x^k for k = 1..2n and R[k] += ySum·x^k for k = 1..n; the
// k = 0 sums are the caller's.
template <typename Count, typename YSum>
void AddPowers(ExactSumIntegers& sums, const ScaledValue& x, const Count& count, const YSum& ySum) {
  thread_local BigInteger power;
  const std::size_t top = sums.s.size() - 1;
  if (top == 0) return;
  if (x.small)
    power = x.smallValue;
  else
    power = x.bigValue;
  for (std::size_t k = 1;; ++k) {
    if constexpr (std::is_same_v<Count, unsigned>)
      sums.s[k] += power;  // one point
    else
      sums.s[k] += power * count;
    if (k < sums.r.size()) sums.r[k] += power * ySum;
    if (k == top) break;
    if (x.small)
      power *= x.smallValue;
    else
      power *= x.bigValue;
  }
}

}  // namespace

ExactPowerSums::ExactPowerSums(int degree, Grouping grouping) : sums_(std::make_unique<ExactSumIntegers>()) {
  if (degree < 0) throw std::out_of_range("ExactPowerSums: negative degree");
  sums_->degree = degree;
  sums_->s.resize(static_cast<std::size_t>(2 * degree + 1));
  sums_->r.resize(static_cast<std::size_t>(degree + 1));
  if (grouping == Grouping::ByX) groups_ = std::make_unique<ExactXGroups>();
}

ExactPowerSums::~ExactPowerSums() = default;
ExactPowerSums::ExactPowerSums(ExactPowerSums&&) noexcept = default;
ExactPowerSums& ExactPowerSums::operator=(ExactPowerSums&&) noexcept = default;

int ExactPowerSums::Degree() const { return sums_->degree; }
std::size_t ExactPowerSums::Points() const { return sums_->points; }

void ExactPowerSums::AddGroups() const {
  ExactSumIntegers& sums = *sums_;
  if (ySquares_ != 0) {
    sums.q += Wide(ySquares_);
    ySquares_ = 0;
  }
  if (!groups_ || groups_->Empty()) return;
  groups_->Drain([&](const ExactXGroups::Group& group) {
    ScaledValue x;
    x.smallValue = group.x;
    sums.s[0] += group.count;
    if (group.count == 1) {  // a single point's y fits 64 bits
      const auto y = static_cast<std::int64_t>(group.ySum);
      sums.r[0] += y;
      AddPowers(sums, x, 1U, y);  // 1U: one point
      return;
    }
    const BigInteger ySum = Wide(group.ySum);
    sums.r[0] += ySum;
    AddPowers(sums, x, group.count, ySum);
  });
}

const ExactSumIntegers& ExactPowerSums::Integers() const {
  AddGroups();
  return *sums_;
}

void ExactPowerSums::Add(std::string_view xText, std::string_view yText, char decimalMark) {
  const DecimalDigits x = Split(xText, decimalMark);
  const DecimalDigits y = Split(yText, decimalMark);
  ExactSumIntegers& sums = *sums_;
  const unsigned xScale = std::max(sums.xScale, static_cast<unsigned>(x.fractionDigits.size()));
  const unsigned yScale = std::max(sums.yScale, static_cast<unsigned>(y.fractionDigits.size()));
  if (xScale != sums.xScale || yScale != sums.yScale) {
    AddGroups();  // held at the old scales
    Rescale(sums, xScale, yScale);
  }
  thread_local ScaledValue scaledX, scaledY;
  Scale(x, sums.xScale, scaledX);
  Scale(y, sums.yScale, scaledY);
  ++sums.points;
  if (scaledY.small) {
    const std::int64_t yValue = scaledY.smallValue;
    const auto square = static_cast<unsigned __int128>(static_cast<__int128>(yValue) * yValue);
    if (ySquares_ + square < ySquares_) AddGroups();  // about to wrap
    ySquares_ += square;
    if (scaledX.small && groups_) {
      ExactXGroups::Group* group = groups_->Find(scaledX.smallValue);
      if (group == nullptr) {
        AddGroups();
        group = groups_->Find(scaledX.smallValue);
      }
      ++group->count;
      group->ySum += yValue;
      return;
    }
    sums.s[0] += 1;
    sums.r[0] += yValue;
    AddPowers(sums, scaledX, 1U, yValue);  // 1U: one point
    return;
  }
  sums.q += scaledY.bigValue * scaledY.bigValue;
  sums.s[0] += 1;
  sums.r[0] += scaledY.bigValue;
  AddPowers(sums, scaledX, 1U, scaledY.bigValue);  // 1U: one point
}

void ExactPowerSums::Merge(const ExactPowerSums& other) {
  if (other.sums_->degree != sums_->degree) throw std::invalid_argument("ExactPowerSums: degrees differ");
  AddGroups();
  ExactSumIntegers& sums = *sums_;
  ExactSumIntegers theirs = other.Integers();
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
