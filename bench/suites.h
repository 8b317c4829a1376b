// The benchmark suites, registered at run time from their tables.
#pragma once

namespace bench {

void RegisterNumberTextBenchmarks();
void RegisterOperationBenchmarks();
void RegisterLimitPriceBenchmarks();

}  // namespace bench
