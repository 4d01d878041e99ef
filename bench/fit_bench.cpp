// A whole fit at degree 20, the one pass of the command, and the whole command
// over a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "bench_data.h"
#include "cli/fit_command.h"
#include "cli/pairs.h"
#include "cli/stream_fit.h"
#include "fit/column_check.h"
#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"

namespace peruka::bench {
namespace {

constexpr int kDegree20Index = 19;

const std::string& PairsText(std::size_t points) {
  static std::map<std::size_t, std::string> texts;
  auto& text = texts[points];
  if (text.empty()) text = ShortPairs(points);
  return text;
}

// Check, fit and result text on columns already split from the text, as the
// calculate button runs them.
void BM_FitDegree20(benchmark::State& state) {
  SetLocaleDecimalMark('.');
  const auto points = static_cast<std::size_t>(state.range(0));
  const std::string& text = PairsText(points);
  const auto silence = SetRuntimeMessagePresenter([](std::string_view, std::string_view) {});
  for (auto _ : state) {
    state.PauseTiming();
    Column x;
    Column y;
    cli::SplitPairs(text, '.', x, y);
    state.ResumeTiming();
    if (CheckColumns(x, y) != ColumnCheck::Ok) state.SkipWithError("the data do not pass the check");
    const FitResult fit = FitPolynomial(kDegree20Index, x, y);
    fit.DeliverPendingFault();
    benchmark::DoNotOptimize(ResultText(fit));
  }
  SetRuntimeMessagePresenter(silence);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FitDegree20)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The exact fit at degree 20 over 10^6 points (x and y with six decimals):
// 0, x on a grid of 4001 values as in the other benchmarks' data, grouped by
// x; 1, every x distinct, grouped; 2, every x distinct, not grouped.
void BM_ExactFitDegree20(benchmark::State& state) {
  constexpr std::size_t kPoints = 1000000;
  const bool distinct = state.range(0) != 0;
  const auto grouping = state.range(0) == 2 ? ExactPowerSums::Grouping::None : ExactPowerSums::Grouping::ByX;
  std::vector<std::string> x;
  std::vector<std::string> y;
  char text[32];
  for (std::size_t i = 0; i < kPoints; ++i) {
    const long long micro = distinct ? static_cast<long long>(i * 4) - 2000000
                                     : static_cast<long long>(i % 4001) * 1000 - 2000000;
    std::snprintf(text, sizeof text, "%s%lld.%06lld", micro < 0 ? "-" : "", std::llabs(micro) / 1000000,
                  std::llabs(micro) % 1000000);
    x.emplace_back(text);
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(i % 7),
                  static_cast<long long>(i * 7919 % 1000000));
    y.emplace_back(text);
  }
  for (auto _ : state) {
    ExactPowerSums sums(20, grouping);
    for (std::size_t i = 0; i < kPoints; ++i) sums.Add(x[i], y[i], '.');
    const ExactFit fit = ExactFit::Solve(sums);
    if (!fit.Unique()) state.SkipWithError("not unique");
    benchmark::DoNotOptimize(fit.Coefficient(20));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(kPoints));
}
BENCHMARK(BM_ExactFitDegree20)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// peruka-fit -d 20 --pairs FILE in-process: reading, converting, splitting,
// checking, fitting and writing the result.
void BM_FitCommandDegree20(benchmark::State& state) {
  SetLocaleDecimalMark('.');
  const auto points = static_cast<std::size_t>(state.range(0));
  char path[] = "/tmp/peruka-bench-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) {
    state.SkipWithError("no temporary file");
    return;
  }
  const std::string& text = PairsText(points);
  if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    state.SkipWithError("short write");
  close(fd);
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    const int status = cli::RunFitCommand({"-d", "20", "--pairs", path}, stdin, sink, sink);
    if (status != cli::kExitSuccess) state.SkipWithError("the command failed");
  }
  std::fclose(sink);
  unlink(path);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FitCommandDegree20)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The one pass of peruka-fit -d 20 --pairs over a file of 10^6 points.
void OnePassDegree20(benchmark::State& state, cli::PassThreads threads, cli::FitRoutes routes) {
  SetLocaleDecimalMark('.');
  char path[] = "/tmp/peruka-bench-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) {
    state.SkipWithError("no temporary file");
    return;
  }
  const std::string& text = PairsText(1000000);
  if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    state.SkipWithError("short write");
  close(fd);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path, "rb");
    cli::ColumnLineReader lines(file, path, false);
    cli::HeldMessages reports;
    const cli::Outcome outcome = cli::StreamPairs(20, lines, '.', reports, threads, nullptr, routes);
    std::fclose(file);
    if (outcome.kind != cli::OutcomeKind::Result) state.SkipWithError("the fit failed");
  }
  unlink(path);
  state.SetItemsProcessed(state.iterations() * 1000000);
}

// The reading side on the arithmetic's thread (0) or one batch ahead on its
// own (1): the gain of the second core.
void BM_OnePassDegree20(benchmark::State& state) {
  OnePassDegree20(state, state.range(0) == 0 ? cli::PassThreads::One : cli::PassThreads::Two,
                  cli::FitRoutes::Described);
}
BENCHMARK(BM_OnePassDegree20)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same pass making the calculation (0, as BM_OnePassDegree20/1), the
// exact fit alone (1: --exact) or both (2: --stats), on two threads.
void BM_OnePassRoutesDegree20(benchmark::State& state) {
  const cli::FitRoutes routes[] = {cli::FitRoutes::Described, cli::FitRoutes::Exact,
                                   cli::FitRoutes::DescribedAndExact};
  OnePassDegree20(state, cli::PassThreads::Two, routes[state.range(0)]);
}
BENCHMARK(BM_OnePassRoutesDegree20)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace peruka::bench
