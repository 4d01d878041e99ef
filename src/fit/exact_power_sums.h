// The normal equations of the data as typed, in integers: every sum exact.
//
// Each x text is the decimal X·10^-Dx with X an integer, and each y text
// Y·10^-Dy (their digits, read by SplitDecimalDigits, never converted to a
// double). With D the largest Dx so far and E the largest Dy, every x is
// an integer at the common scale 10^D and every y at 10^E, and the sums
//   S[k] = Σ (x·10^D)^k            k = 0..2n
//   R[k] = Σ (y·10^E)·(x·10^D)^k   k = 0..n
//   Q    = Σ (y·10^E)²
// are integers. A point with more decimals than any before raises D or E
// and rescales the sums once, so one pass suffices, and the memory grows
// with the digits of the sums, never with the number of points. The sums
// do not depend on the order of the points, so two halves of the input
// can be summed apart and merged.
//
// Two routes give the same integers: Grouping::None adds every point's
// powers at once; Grouping::ByX (the default) holds points of a small x
// back in ExactXGroups and forms the powers of each distinct x once.
// Tests compare the two.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace peruka {

struct ExactSumIntegers;  // exact_sums_integers.h
class ExactXGroups;       // exact_x_groups.h

class ExactPowerSums {
 public:
  enum class Grouping { ByX, None };

  // 0 <= degree <= kMaxDegree.
  explicit ExactPowerSums(int degree, Grouping grouping = Grouping::ByX);
  ~ExactPowerSums();
  ExactPowerSums(ExactPowerSums&&) noexcept;
  ExactPowerSums& operator=(ExactPowerSums&&) noexcept;

  // One point's texts, trimmed, in the form SplitDecimalDigits reads with
  // this decimal mark; throws std::invalid_argument for any other text.
  void Add(std::string_view xText, std::string_view yText, char decimalMark);
  // Adds the points of `other` (of the same degree).
  void Merge(const ExactPowerSums& other);

  int Degree() const;
  std::size_t Points() const;

  // The integers, for the solve (the held-back points added first).
  const ExactSumIntegers& Integers() const;

 private:
  void AddGroups() const;

  std::unique_ptr<ExactSumIntegers> sums_;
  std::unique_ptr<ExactXGroups> groups_;  // null for Grouping::None
  // Σ y² of the held-back points, while it fits.
  mutable unsigned __int128 ySquares_ = 0;
};

}  // namespace peruka
