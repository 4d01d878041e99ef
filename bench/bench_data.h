// Reproducible inputs for the benchmarks.
#pragma once

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace peruka::bench {

// `count` points as "x<TAB>y" lines, x in [-2, 2] and y near 3 sin x, both
// with three decimals: short texts, as measured data usually are.
inline std::string ShortPairs(std::size_t count, std::uint32_t seed = 12345) {
  std::mt19937_64 engine(seed);
  std::uniform_int_distribution<int> xs(-2000, 2000);
  std::uniform_int_distribution<int> noise(-100, 100);
  std::string text;
  text.reserve(count * 14);
  char line[64];
  for (std::size_t i = 0; i < count; ++i) {
    const int x = xs(engine);
    // 3 sin(x) by its Taylor start, in thousandths: integer arithmetic keeps
    // the data identical on every machine.
    const long long t = x;
    const long long y = 3 * (t - t * t * t / 6000000) + noise(engine);
    const int n =
        std::snprintf(line, sizeof line, "%s%d.%03d\t%s%lld.%03lld\n", x < 0 ? "-" : "", std::abs(x) / 1000,
                      std::abs(x) % 1000, y < 0 ? "-" : "", std::llabs(y) / 1000, std::llabs(y) % 1000);
    text.append(line, static_cast<std::size_t>(n));
  }
  return text;
}

// Decimal texts: "short" ones of up to three decimals, or ones with 17
// significant digits (as a double is written in full).
inline std::vector<std::string> DecimalTexts(std::size_t count, bool seventeenDigits,
                                             std::uint32_t seed = 7) {
  std::mt19937_64 engine(seed);
  std::vector<std::string> texts;
  texts.reserve(count);
  char text[64];
  for (std::size_t i = 0; i < count; ++i) {
    if (seventeenDigits) {
      const double value = std::uniform_real_distribution<double>(-1000.0, 1000.0)(engine);
      std::snprintf(text, sizeof text, "%.17g", value);
    } else {
      const int value = std::uniform_int_distribution<int>(-99999, 99999)(engine);
      std::snprintf(text, sizeof text, "%s%d.%03d", value < 0 ? "-" : "", std::abs(value) / 1000,
                    std::abs(value) % 1000);
    }
    texts.emplace_back(text);
  }
  return texts;
}

}  // namespace peruka::bench
