// CalculateLimitPrice over growing counts, and beside the largest count the plain loop of limit
// moves that it must beat: once the price stops changing, further moves change nothing.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/suites.h"
#include "calculators/calculators.h"
#include "memory_controls.h"

namespace bench {
namespace {

constexpr std::int64_t kLargestCount = 2147483647;
constexpr std::int64_t kCounts[] = {1, 1000, 30000, kLargestCount};
// Their ratios are goals; medians stand up to a busy machine. The plain loop runs for seconds and
// is measured once: its goal is a ratio of a thousand.
constexpr int kRepetitions = 5;

struct Direction {
  const char* name;
  int selectedIndex;  // of the direction combo box: 0 is up
};

constexpr Direction kDirections[] = {{"up", 0}, {"down", 1}};

// The price typed, and the rate of the button checked at start.
constexpr const char* kPriceText = "10";
constexpr double kPrice = 10.0;
constexpr double kRate = 0.1;

void CalculateLimitPrice(benchmark::State& state, Direction direction) {
  calculators::MemoryControls controls;
  controls.SetText("编辑框1涨跌停计算1", kPriceText);
  controls.SelectItem("组合框1", direction.selectedIndex);
  controls.SetText("编辑框2涨跌停计算2", std::to_string(state.range(0)));
  calculators::Calculators calculators(controls);
  for (auto _ : state) {
    calculators.CalculateLimitPrice();
  }
  state.SetLabel(controls.Text("编辑框3涨跌停计算3"));
}

// Every move rounded to a double, as the calculator must give it, with nothing skipped.
template <bool kUp>
double PlainMoves(double price, double rate, std::int64_t count) {
  for (std::int64_t i = 0; i < count; ++i) {
    const double step = price * rate;
    price = kUp ? price + step : price - step;
  }
  return price;
}

void PlainLimitLoop(benchmark::State& state, Direction direction) {
  const std::int64_t count = state.range(0);
  for (auto _ : state) {
    double price = kPrice;
    double rate = kRate;
    benchmark::DoNotOptimize(price);
    benchmark::DoNotOptimize(rate);
    price = direction.selectedIndex == 0 ? PlainMoves<true>(price, rate, count)
                                         : PlainMoves<false>(price, rate, count);
    benchmark::DoNotOptimize(price);
  }
}

}  // namespace

void RegisterLimitPriceBenchmarks() {
  for (const Direction& direction : kDirections) {
    auto* calculate =
        benchmark::RegisterBenchmark((std::string("CalculateLimitPrice/") + direction.name).c_str(),
                                     CalculateLimitPrice, direction);
    calculate->ArgName("count")->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
    for (std::int64_t count : kCounts) {
      calculate->Arg(count);
    }
    benchmark::RegisterBenchmark((std::string("PlainLimitLoop/") + direction.name).c_str(),
                                 PlainLimitLoop, direction)
        ->ArgName("count")
        ->Arg(kLargestCount)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace bench
