// The power-of-ten tables, rebuilt from exact integer arithmetic, and the
// order in which the scaling applies them.
#include "numeric/power_of_ten.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace peruka {
namespace {

// A non-negative integer as little-endian 32-bit limbs; just enough to form
// 10^n and read its leading bits.
class BigInteger {
 public:
  explicit BigInteger(std::uint32_t value) : limbs_{value} {}

  static BigInteger PowerOfTen(int n) {
    BigInteger result(1);
    for (int i = 0; i < n; ++i) result.MultiplyBy(10);
    return result;
  }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }

  int BitLength() const {
    int bits = static_cast<int>(limbs_.size() - 1) * 32;
    for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) ++bits;
    return bits;
  }

  bool Bit(int i) const { return i >= 0 && ((limbs_[i / 32] >> (i % 32)) & 1) != 0; }

  bool AnyBitBelow(int i) const {
    for (int b = 0; b < i; ++b)
      if (Bit(b)) return true;
    return false;
  }

 private:
  std::vector<std::uint32_t> limbs_;
};

// The extended value nearest to 10^n, ties to even.
ExtendedBits NearestExtendedPowerOfTen(int n) {
  const BigInteger exact = BigInteger::PowerOfTen(n);
  const int length = exact.BitLength();
  const int dropped = length > 64 ? length - 64 : 0;
  std::uint64_t significand = 0;
  for (int b = length - 1; b >= dropped; --b) significand = (significand << 1) | (exact.Bit(b) ? 1 : 0);
  significand <<= 64 - (length - dropped);
  int exponent = length - 1;
  const bool half = exact.Bit(dropped - 1);
  const bool aboveHalf = half && exact.AnyBitBelow(dropped - 1);
  if (half && (aboveHalf || (significand & 1) != 0)) {
    if (++significand == 0) {
      significand = 0x8000000000000000ULL;
      ++exponent;
    }
  }
  return {static_cast<std::uint16_t>(exponent + 16383), significand};
}

void ExpectEntry(Extended entry, int n) {
  const ExtendedBits expected = NearestExtendedPowerOfTen(n);
  EXPECT_EQ(BitsOf(entry).signExponent, expected.signExponent) << "10^" << n;
  EXPECT_EQ(BitsOf(entry).significand, expected.significand) << "10^" << n;
}

TEST(PowersOfTen, EveryTableEntryIsTheNearestExtended) {
  for (int i = 0; i < 32; ++i) ExpectEntry(kPowersOfTenUnits[i], i);
  for (int j = 1; j < 16; ++j) ExpectEntry(kPowersOfTenThirtyTwos[j], 32 * j);
  for (int m = 1; m < 10; ++m) ExpectEntry(kPowersOfTenFiveTwelves[m], 512 * m);
}

TEST(PowersOfTen, UpTo10To27AreExact) {
  for (int i = 0; i <= 31; ++i) {
    const BigInteger exact = BigInteger::PowerOfTen(i);
    const int length = exact.BitLength();
    EXPECT_EQ(length <= 64 || !exact.AnyBitBelow(length - 64), i <= 27) << "10^" << i;
  }
}

Extended Table(const ExtendedBits& bits) { return FromBits(bits); }

TEST(ScaleByPowerOfTen, UnitsThenThirtyTwosThenFiveTwelvesEachRounded) {
  struct Row {
    Extended value;
    std::int32_t n;
  };
  const Row rows[] = {
      {1.0L, 4999},  {3.0L, 1000},  {7.0L, 345},  {1.0L / 3.0L, 4000},  {9.87654321e-300L, 600},
      {1.0L, -4999}, {3.0L, -1000}, {7.0L, -345}, {1.0L / 3.0L, -4000}, {9.87654321e300L, -600},
      {1.0L, 5119},  {1.0L, -5119}, {123.0L, 31}, {123.0L, -33},
  };
  for (const auto& row : rows) {
    const bool divide = row.n < 0;
    const std::uint32_t m = divide ? -static_cast<std::uint32_t>(row.n) : static_cast<std::uint32_t>(row.n);
    const Extended factors[3] = {
        Table(NearestExtendedPowerOfTen(static_cast<int>(m % 32))),
        Table(NearestExtendedPowerOfTen(static_cast<int>(32 * ((m / 32) % 16)))),
        Table(NearestExtendedPowerOfTen(static_cast<int>(512 * (m / 512)))),
    };
    Extended expected = row.value;
    for (const Extended factor : factors) expected = divide ? expected / factor : expected * factor;
    const Extended actual = ScaleByPowerOfTen(row.value, row.n);
    EXPECT_EQ(BitsOf(actual).signExponent, BitsOf(expected).signExponent) << "n = " << row.n;
    EXPECT_EQ(BitsOf(actual).significand, BitsOf(expected).significand) << "n = " << row.n;
  }
}

TEST(ScaleByPowerOfTen, OrderOfTheStepsIsVisibleInTheLastBit) {
  // With the steps taken largest first the last bit differs for these values;
  // the scaling must not reorder them.
  const Extended value = 1.0L / 3.0L;
  int differing = 0;
  for (std::int32_t n = 545; n < 4999; n += 37) {
    const std::uint32_t m = static_cast<std::uint32_t>(n);
    Extended reordered = value * kPowersOfTenFiveTwelves[m / 512];
    if ((m / 32) % 16 != 0) reordered = reordered * kPowersOfTenThirtyTwos[(m / 32) % 16];
    reordered = reordered * kPowersOfTenUnits[m % 32];
    Extended inOrder = value * kPowersOfTenUnits[m % 32];
    if ((m / 32) % 16 != 0) inOrder = inOrder * kPowersOfTenThirtyTwos[(m / 32) % 16];
    inOrder = inOrder * kPowersOfTenFiveTwelves[m / 512];
    const Extended actual = ScaleByPowerOfTen(value, n);
    EXPECT_EQ(BitsOf(actual).significand, BitsOf(inOrder).significand) << "n = " << n;
    if (BitsOf(reordered).significand != BitsOf(inOrder).significand) ++differing;
  }
  EXPECT_GT(differing, 0);  // the rows above can tell the orders apart
}

TEST(ScaleByPowerOfTen, ExactSmallScales) {
  EXPECT_EQ(ScaleByPowerOfTen(3.0L, 5), 300000.0L);
  EXPECT_EQ(ScaleByPowerOfTen(-2.5L, 2), -250.0L);
  EXPECT_EQ(ScaleByPowerOfTen(1e27L, -27), 1.0L);
  EXPECT_EQ(ScaleByPowerOfTen(12345.0L, 0), 12345.0L);
  const Extended tenth = ScaleByPowerOfTen(1.0L, -1);
  EXPECT_EQ(BitsOf(tenth).signExponent, 0x3FFB);
  EXPECT_EQ(BitsOf(tenth).significand, 0xCCCCCCCCCCCCCCCDULL);
}

TEST(ScaleByPowerOfTen, LimitsAt5120) {
  const Extended large = std::numeric_limits<Extended>::max();
  struct Row {
    Extended value;
    std::int32_t n;
  };
  // n <= -5120: +0 whatever the value, negative or huge.
  for (const Row& row : {Row{1.0L, -5120}, Row{-1.0L, -5120}, Row{large, -5120}, Row{-large, -6000},
                         Row{1.0L, std::numeric_limits<std::int32_t>::min()}}) {
    const Extended result = ScaleByPowerOfTen(row.value, row.n);
    EXPECT_EQ(result, 0.0L) << "n = " << row.n;
    EXPECT_FALSE(SignBit(result)) << "n = " << row.n;
  }
  // n >= 5120: +infinity.
  for (const std::int32_t n : {5120, 6000, std::numeric_limits<std::int32_t>::max()}) {
    const Extended result = ScaleByPowerOfTen(1.0L, n);
    EXPECT_TRUE(IsInf(result) && !SignBit(result)) << "n = " << n;
  }
  // One step inside the limit a huge value still divides to a normal number.
  EXPECT_GT(ScaleByPowerOfTen(large, -5119), 0.0L);
}

}  // namespace
}  // namespace peruka
