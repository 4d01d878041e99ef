// The column box's line store at 10^6 lines: the whole text set at once (a
// paste into an empty box), lines appended one by one (the entry box's
// Enter), every line replaced in turn (the column check writing back
// trimmed lines) and every line read (the calculation).
#include <benchmark/benchmark.h>

#include <string>

#include "ui/line_store.h"
#include "ui/memo_strings.h"

namespace peruka {
namespace {

constexpr int kLines = 1000000;

const std::string& MillionLines() {
  static const std::string text = [] {
    std::string lines;
    for (int i = 0; i < kLines; ++i) lines.append(std::to_string(i * 1e-6)).append("\r\n");
    return lines;
  }();
  return text;
}

void BM_LineStoreSetText(benchmark::State& state) {
  for (auto _ : state) {
    LineStore store;
    store.SetText(MillionLines());
    benchmark::DoNotOptimize(store.LineCount());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LineStoreSetText)->Unit(benchmark::kMillisecond);

void BM_LineStoreAppend(benchmark::State& state) {
  for (auto _ : state) {
    LineStore store;
    TMemoStrings lines(store);
    for (int i = 0; i < kLines; ++i) lines.Add("0.123456");
    benchmark::DoNotOptimize(store.LineCount());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LineStoreAppend)->Unit(benchmark::kMillisecond);

void BM_LineStoreReplaceEvery(benchmark::State& state) {
  LineStore store;
  store.SetText(MillionLines());
  TMemoStrings lines(store);
  for (auto _ : state)
    for (int i = 0; i < kLines; ++i) lines.Put(i, i % 2 == 0 ? "0.5" : "0.25");
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LineStoreReplaceEvery)->Unit(benchmark::kMillisecond);

void BM_LineStoreGetAll(benchmark::State& state) {
  LineStore store;
  store.SetText(MillionLines());
  TMemoStrings lines(store);
  for (auto _ : state) benchmark::DoNotOptimize(lines.GetAll().size());
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LineStoreGetAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peruka
