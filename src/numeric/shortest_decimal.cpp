#include "numeric/shortest_decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace peruka {

std::string ShortestDecimal(double value, char decimalMark) {
  char buffer[32];
  const std::to_chars_result done = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, done.ptr);
  if (decimalMark != '.')
    for (char& c : text)
      if (c == '.') c = decimalMark;
  return text;
}

std::string ShortestPlainDecimal(double value) {
  // The largest double has 309 digits before the point; the smallest
  // subnormal needs 324 places after it and 17 digits.
  char buffer[400];
  const std::to_chars_result done =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, done.ptr);
}

double FewestDigitsNear(double x, double tolerance) {
  char buffer[40];
  for (int digits = 1; digits < 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, x);
    const double near = std::strtod(buffer, nullptr);
    if (std::fabs(near - x) <= tolerance) return near;
  }
  return x;
}

}  // namespace peruka
