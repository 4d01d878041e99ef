// Benchmarks run with the arithmetic set up as the program sets it up.
#include <benchmark/benchmark.h>

#include "numeric/extended.h"

int main(int argc, char** argv) {
  peruka::EnsureExtendedPrecision();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
