// CalculateLimitPrice over growing counts, and beside the largest count the plain loop of limit
// moves that it must beat: once the price stops changing, further moves change nothing. A series
// as long as any shows the slowest click.
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

struct Series {
  const char* name;
  const char* priceText;
  const char* rateButton;
  int selectedIndex;  // of the direction combo box: 0 is up
};

// From 10 at 10 %, the rate of the button checked at start, as the plain loop runs them.
constexpr double kPrice = 10.0;
constexpr double kRate = 0.1;
constexpr Series kUp{"up", "10", "单选框1", 0};
constexpr Series kDown{"down", "10", "单选框1", 1};
// A series as long as any: 5 % is the smallest rate, and 11 times the least subnormal double the
// smallest price that such a move still changes; it takes 29756 moves to reach infinity.
constexpr Series kLongest{"longest", "5.4e-323", "单选框3", 0};

void CalculateLimitPrice(benchmark::State& state, Series series) {
  calculators::MemoryControls controls;
  controls.ClickRadio(series.rateButton);
  controls.SetText("编辑框1涨跌停计算1", series.priceText);
  controls.SelectItem("组合框1", series.selectedIndex);
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

void PlainLimitLoop(benchmark::State& state, Series series) {
  const std::int64_t count = state.range(0);
  for (auto _ : state) {
    double price = kPrice;
    double rate = kRate;
    benchmark::DoNotOptimize(price);
    benchmark::DoNotOptimize(rate);
    price = series.selectedIndex == 0 ? PlainMoves<true>(price, rate, count)
                                      : PlainMoves<false>(price, rate, count);
    benchmark::DoNotOptimize(price);
  }
}

std::string Name(const char* benchmark, const Series& series) {
  return std::string(benchmark) + "/" + series.name;
}

}  // namespace

void RegisterLimitPriceBenchmarks() {
  for (const Series& series : {kUp, kDown}) {
    auto* calculate = benchmark::RegisterBenchmark(Name("CalculateLimitPrice", series).c_str(),
                                                   CalculateLimitPrice, series);
    calculate->ArgName("count")->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
    for (std::int64_t count : kCounts) {
      calculate->Arg(count);
    }
    benchmark::RegisterBenchmark(Name("PlainLimitLoop", series).c_str(), PlainLimitLoop, series)
        ->ArgName("count")
        ->Arg(kLargestCount)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark(Name("CalculateLimitPrice", kLongest).c_str(), CalculateLimitPrice,
                               kLongest)
      ->ArgName("count")
      ->Arg(kLargestCount)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace bench
