#include "plot/axis_ticks.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace peruka {

namespace {

// 10^k, correctly rounded for |k| <= 22 (10^22 is the largest power of ten
// a double holds exactly), whatever the C library's pow does.
double PowerOfTen(int k) {
  if (k < -22 || k > 22) return std::pow(10.0, k);
  double power = 1.0;
  for (int i = 0; i < (k < 0 ? -k : k); ++i) power *= 10.0;
  return k < 0 ? 1.0 / power : power;
}

// The exponent k of the power of ten with 10^k <= value < 10^(k+1).
int DecimalExponent(double value) {
  int k = static_cast<int>(std::floor(std::log10(value)));
  // log10 may land one off next to a power of ten.
  if (PowerOfTen(k) > value) --k;
  if (PowerOfTen(k + 1) <= value) ++k;
  return k;
}

}  // namespace

double NiceStep(double span, int target) {
  const double raw = span / std::max(target, 1);
  const int k = DecimalExponent(raw);
  const double power = PowerOfTen(k);
  const double fraction = raw / power;  // in [1, 10)
  double nice = 10.0;
  if (fraction < std::sqrt(2.0)) {
    nice = 1.0;
  } else if (fraction < std::sqrt(10.0)) {
    nice = 2.0;
  } else if (fraction < std::sqrt(50.0)) {
    nice = 5.0;
  }
  return nice * power;
}

AxisTicks ChooseTicks(double lo, double hi, int target) {
  AxisTicks ticks;
  ticks.step = NiceStep(hi - lo, target);
  constexpr double kSlack = 1e-6;
  const double first = std::ceil(lo / ticks.step - kSlack);
  const double last = std::floor(hi / ticks.step + kSlack);
  ticks.firstIndex = static_cast<long long>(first);
  ticks.count = std::max(0, static_cast<int>(last - first) + 1);
  ticks.decimals = std::max(0, -DecimalExponent(ticks.step));
  return ticks;
}

std::string TickLabel(const AxisTicks& ticks, double value, char decimalMark) {
  value += 0.0;  // -0 becomes 0
  if (std::fabs(value) < ticks.step * 1e-6) value = 0.0;
  const double largest =
      std::max(std::fabs(ticks.Value(0)), std::fabs(ticks.Value(std::max(ticks.count - 1, 0))));
  char buffer[64];
  std::to_chars_result written;
  if (largest >= 1e9 || ticks.step < 1e-6) {
    if (value == 0.0) return "0";
    const int digits =
        largest > 0.0 ? std::max(0, DecimalExponent(largest) - DecimalExponent(ticks.step)) : 0;
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits);
  } else {
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, ticks.decimals);
  }
  std::string label(buffer, written.ptr);
  std::replace(label.begin(), label.end(), '.', decimalMark);
  return label;
}

}  // namespace peruka
