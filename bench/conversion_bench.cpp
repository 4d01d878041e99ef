// The two number conversions: texts per second.
#include <benchmark/benchmark.h>

#include <random>

#include "bench_data.h"
#include "numeric/decimal_parse.h"
#include "numeric/format_fixed.h"
#include "numeric/locale_mark.h"

namespace peruka::bench {
namespace {

constexpr std::size_t kTexts = 4096;  // fits the caches: measures the conversion, not memory

void ParseDecimalTexts(benchmark::State& state, bool seventeenDigits) {
  SetLocaleDecimalMark('.');
  const std::vector<std::string> texts = DecimalTexts(kTexts, seventeenDigits);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDecimal(texts[i]));
    i = (i + 1) % kTexts;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ParseDecimal_Short(benchmark::State& state) { ParseDecimalTexts(state, false); }
void BM_ParseDecimal_17Digits(benchmark::State& state) { ParseDecimalTexts(state, true); }
BENCHMARK(BM_ParseDecimal_Short);
BENCHMARK(BM_ParseDecimal_17Digits);

// Coefficients as the result text writes them: 15 significant digits and
// 15 decimals, magnitudes from 1e-12 to 1e6.
void BM_FormatFixed(benchmark::State& state) {
  SetLocaleDecimalMark('.');
  std::mt19937_64 engine(99);
  std::vector<double> values(kTexts);
  for (double& v : values)
    v = std::uniform_real_distribution<double>(-1.0, 1.0)(engine) *
        std::pow(10.0, std::uniform_int_distribution<int>(-12, 6)(engine));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFixed(values[i], 15, 15));
    i = (i + 1) % kTexts;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatFixed);

}  // namespace
}  // namespace peruka::bench
