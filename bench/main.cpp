#include <benchmark/benchmark.h>

#include "bench/goals.h"
#include "bench/suites.h"

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  bench::RegisterNumberTextBenchmarks();
  bench::RegisterOperationBenchmarks();
  bench::RegisterLimitPriceBenchmarks();
  bench::GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
