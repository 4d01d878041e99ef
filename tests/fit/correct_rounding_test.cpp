// Exact rationals rounded once: ties to even both ways, the edges of the
// subnormals and of the range, square roots; the exact value of a double.
// The expected doubles were checked against the integer rounding of
// tests/fit/exact_model.py.
#include "fit/correct_rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace peruka {
namespace {

std::uint64_t Bits(double value) {
  std::uint64_t pattern;
  std::memcpy(&pattern, &value, sizeof pattern);
  return pattern;
}

BigInteger Two(unsigned power) { return BigInteger(1) << power; }

struct Row {
  const char* name;
  Fraction value;
  double expected;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(CorrectRounding, RoundToDouble) {
  const BigInteger one = Two(53);  // 1 in units of 2^-53
  const std::vector<Row> table = {
      {"1/3", {1, 3}, 0x1.5555555555555p-2},
      {"2/3 unreduced", {BigInteger(4) << 400, BigInteger(6) << 400}, 0x1.5555555555555p-1},
      {"-1/3", {-1, 3}, -0x1.5555555555555p-2},
      {"-7/1", {-7, 1}, -7.0},
      {"zero over anything", {0, 12345}, 0.0},
      {"tie to even, down", {one + 1, one}, 1.0},
      {"tie to even, up", {one + 3, one}, 0x1.0000000000002p+0},
      {"tie, unreduced by 3", {(one + 1) * 3, one * 3}, 1.0},
      {"just above a tie", {(one + 1) * Two(100) + 1, one * Two(100)}, 0x1.0000000000001p+0},
      {"just below a tie", {(one + 3) * Two(100) - 1, one * Two(100)}, 0x1.0000000000001p+0},
      {"negative tie to even, up", {-(one + 3), one}, -0x1.0000000000002p+0},
      {"just below 1", {Two(200) - 1, Two(200)}, 1.0},
      {"the smallest subnormal", {1, Two(1074)}, 0x0.0000000000001p-1022},
      {"half of it", {1, Two(1075)}, 0.0},
      {"just above half of it", {Two(300) + 1, Two(1375)}, 0x0.0000000000001p-1022},
      {"negative half of it", {-1, Two(1075)}, -0.0},
      {"a subnormal tie, up", {3, Two(1075)}, 0x0.0000000000002p-1022},
      {"a subnormal tie, down", {5, Two(1075)}, 0x0.0000000000002p-1022},
      {"the largest subnormal", {Two(52) - 1, Two(1074)}, 0x0.fffffffffffffp-1022},
      {"rounding up to the smallest normal", {Two(53) - 1, Two(1075)}, 0x1p-1022},
      {"1e-320", {1, PowerOfTen(320)}, 1e-320},
      {"the largest double", {(Two(53) - 1) << 971, 1}, 0x1.fffffffffffffp+1023},
      {"just below the tie that overflows", {((Two(54) - 1) << 970) - 1, 1}, 0x1.fffffffffffffp+1023},
      {"the tie that overflows", {(Two(54) - 1) << 970, 1}, kInfinity},
      {"the negative tie that overflows", {-((Two(54) - 1) << 970), 1}, -kInfinity},
      {"far beyond", {PowerOfTen(400), 3}, kInfinity},
      {"0.1 from its digits", {1, 10}, 0.1},
      {"a long decimal",
       {BigInteger("314159265358979323846264338327950288419716939937510"), PowerOfTen(50)},
       3.141592653589793},
  };
  for (const Row& row : table)
    EXPECT_EQ(Bits(RoundToDouble(row.value)), Bits(row.expected))
        << row.name << ": " << RoundToDouble(row.value);
}

TEST(CorrectRounding, RoundSquareRootToDouble) {
  const BigInteger one = Two(53);
  const std::vector<Row> table = {
      {"sqrt 2", {2, 1}, 0x1.6a09e667f3bcdp+0},
      {"sqrt 1/3", {1, 3}, 0x1.279a74590331cp-1},
      {"sqrt 9/4, an exact square", {9, 4}, 1.5},
      {"sqrt 18/8, unreduced", {18, 8}, 1.5},
      {"sqrt 0", {0, 7}, 0.0},
      {"sqrt of a tie's square, even down", {(one + 1) * (one + 1), one * one}, 1.0},
      {"sqrt of a tie's square, even up", {(one + 3) * (one + 3), one * one}, 0x1.0000000000002p+0},
      {"just above a tie's square",
       {(one + 1) * (one + 1) * Two(64) + 1, one * one * Two(64)},
       0x1.0000000000001p+0},
      {"just below a tie's square",
       {(one + 3) * (one + 3) * Two(64) - 1, one * one * Two(64)},
       0x1.0000000000001p+0},
      {"sqrt 1e-600", {1, PowerOfTen(600)}, 1e-300},
      {"sqrt 1e-640, a subnormal", {1, PowerOfTen(640)}, 1e-320},
      {"sqrt 1e-700, below the subnormals", {1, PowerOfTen(700)}, 0.0},
      {"sqrt of the largest double squared",
       {((Two(53) - 1) << 971) * ((Two(53) - 1) << 971), 1},
       0x1.fffffffffffffp+1023},
      {"sqrt 10^700", {PowerOfTen(700), 1}, kInfinity},
  };
  for (const Row& row : table)
    EXPECT_EQ(Bits(RoundSquareRootToDouble(row.value)), Bits(row.expected))
        << row.name << ": " << RoundSquareRootToDouble(row.value);
  EXPECT_THROW(RoundSquareRootToDouble({-1, 4}), std::domain_error);
}

TEST(CorrectRounding, ExactValueOfADouble) {
  struct ValueRow {
    double value;
    Fraction exact;
  };
  const std::vector<ValueRow> table = {
      {1.0, {1, 1}},
      {-2.5, {-5, 2}},
      {0.1, {BigInteger(3602879701896397), Two(55)}},
      {0x1.fffffffffffffp+1023, {(Two(53) - 1) << 971, 1}},
      {0x1p-1022, {1, Two(1022)}},
      {0x0.fffffffffffffp-1022, {Two(52) - 1, Two(1074)}},
      {-0x0.0000000000001p-1022, {-1, Two(1074)}},
      {0.0, {0, 1}},
      {-0.0, {0, 1}},
  };
  for (const ValueRow& row : table) {
    const Fraction exact = ExactValue(row.value);
    EXPECT_TRUE(exact.denominator > 0) << row.value;
    EXPECT_TRUE(BigInteger(exact.numerator * row.exact.denominator) ==
                BigInteger(row.exact.numerator * exact.denominator))
        << row.value;
    // Back again: the same double (a zero comes back as +0).
    EXPECT_EQ(Bits(RoundToDouble(exact)), Bits(row.value == 0 ? 0.0 : row.value)) << row.value;
  }
}

TEST(CorrectRounding, CompareMagnitudes) {
  struct CompareRow {
    Fraction a, b;
    int expected;
  };
  const std::vector<CompareRow> table = {
      {{-1, 3}, {2, 6}, 0}, {{1, 3}, {1, 2}, -1},   {{-3, 4}, {2, 3}, 1},
      {{0, 5}, {0, 1}, 0},  {{0, 1}, {-1, 99}, -1},
  };
  for (const CompareRow& row : table) EXPECT_EQ(CompareMagnitudes(row.a, row.b), row.expected);
}

}  // namespace
}  // namespace peruka
