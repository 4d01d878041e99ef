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
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace peruka {

struct ExactSumIntegers;  // exact_sums_integers.h

class ExactPowerSums {
 public:
  // 0 <= degree <= kMaxDegree.
  explicit ExactPowerSums(int degree);
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

  // The integers, for the solve.
  const ExactSumIntegers& Integers() const { return *sums_; }

 private:
  std::unique_ptr<ExactSumIntegers> sums_;
};

}  // namespace peruka
