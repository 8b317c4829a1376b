// The number text rules on the inputs a trader types and the results the calculators show, and
// ParseNumber on long texts to show that its time grows linearly with the length.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "bench/suites.h"
#include "numtext/numtext.h"

namespace bench {
namespace {

struct TextCase {
  const char* name;
  const char* text;
};

constexpr TextCase kParseCases[] = {
    {"ParseNumber/price", "10.05"},     {"ParseNumber/count", "2"},
    {"ParseNumber/quantity", "123456"}, {"ParseNumber/full-width", "１２．５"},
    {"ParseNumber/empty", ""},
};

struct NumberCase {
  const char* name;
  double value;
};

constexpr NumberCase kFormatCases[] = {
    {"FormatNumber/price", 12.16},
    {"FormatNumber/amount", -1234567.891},
    {"FormatNumber/third", 2.0 / 3},
    {"FormatNumber/infinity", std::numeric_limits<double>::infinity()},
};

constexpr NumberCase kGroupedCases[] = {
    {"FormatGrouped/amount", -1234567.891},
    {"FormatGrouped/small", 12.16},
};

struct RoundCase {
  const char* name;
  double value;
  int places;
};

constexpr RoundCase kRoundCases[] = {
    {"RoundDecimal/price", 12.1605, 2},
    {"RoundDecimal/half", 1.005, 2},
    {"RoundDecimal/amount", -1234567.8915, 3},
};

// Long texts: digits, which the parser has to walk to the end, and a number followed by prose,
// which only a parser that folded the whole text before reading it would walk.
struct LongCase {
  const char* name;
  std::string_view unit;  // repeated to the length of the text
};

constexpr LongCase kLongCases[] = {
    {"ParseNumber/digits", "1234567890"},
    {"ParseNumber/full-width-digits", "１２３４５６７８９０"},
    {"ParseNumber/prose", "12.5元，＋３％ "},
};

constexpr std::int64_t kMegabyte = 1'000'000;
constexpr std::int64_t kLongSizes[] = {kMegabyte, 10 * kMegabyte};
// The ratio of the two sizes is a goal; its figures are medians, to stand up to a busy machine.
constexpr int kRepetitions = 7;

std::string Repeat(std::string_view unit, std::int64_t size) {
  std::string text;
  text.reserve(static_cast<std::size_t>(size));
  while (text.size() + unit.size() <= static_cast<std::size_t>(size)) {
    text += unit;
  }
  return text;
}

}  // namespace

void RegisterNumberTextBenchmarks() {
  for (const TextCase& c : kParseCases) {
    benchmark::RegisterBenchmark(c.name, [text = c.text](benchmark::State& state) {
      for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::ParseNumber(text));
      }
    });
  }
  for (const NumberCase& c : kFormatCases) {
    benchmark::RegisterBenchmark(c.name, [value = c.value](benchmark::State& state) {
      for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::FormatNumber(value));
      }
    });
  }
  for (const RoundCase& c : kRoundCases) {
    benchmark::RegisterBenchmark(c.name,
                                 [value = c.value, places = c.places](benchmark::State& state) {
                                   double x = value;
                                   for (auto _ : state) {
                                     benchmark::DoNotOptimize(x);
                                     benchmark::DoNotOptimize(numtext::RoundDecimal(x, places));
                                   }
                                 });
  }
  for (const NumberCase& c : kGroupedCases) {
    benchmark::RegisterBenchmark(c.name, [value = c.value](benchmark::State& state) {
      for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::FormatGrouped(value));
      }
    });
  }
  for (const LongCase& c : kLongCases) {
    benchmark::RegisterBenchmark(
        c.name,
        [unit = c.unit](benchmark::State& state) {
          const std::string text = Repeat(unit, state.range(0));
          for (auto _ : state) {
            benchmark::DoNotOptimize(numtext::ParseNumber(text));
          }
          state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
        })
        ->ArgName("bytes")
        ->Arg(kLongSizes[0])
        ->Arg(kLongSizes[1])
        ->Repetitions(kRepetitions)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace bench
