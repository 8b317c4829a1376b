#include "bench/goals.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

namespace bench {
namespace {

enum class Bound { AtMost, AtLeast };

struct Goal {
  const char* what;
  const char* numerator;
  const char* denominator;
  Bound bound;
  double limit;
};

constexpr Goal kGoals[] = {
    {"ParseNumber digits, 10 MB / 1 MB", "ParseNumber/digits/bytes:10000000",
     "ParseNumber/digits/bytes:1000000", Bound::AtMost, 12},
    {"ParseNumber full-width digits, 10 MB / 1 MB", "ParseNumber/full-width-digits/bytes:10000000",
     "ParseNumber/full-width-digits/bytes:1000000", Bound::AtMost, 12},
    {"ParseNumber prose, 10 MB / 1 MB", "ParseNumber/prose/bytes:10000000",
     "ParseNumber/prose/bytes:1000000", Bound::AtMost, 12},
    {"plain loop / CalculateLimitPrice, up, count 2147483647", "PlainLimitLoop/up/count:2147483647",
     "CalculateLimitPrice/up/count:2147483647", Bound::AtLeast, 1000},
    {"plain loop / CalculateLimitPrice, down, count 2147483647",
     "PlainLimitLoop/down/count:2147483647", "CalculateLimitPrice/down/count:2147483647",
     Bound::AtLeast, 1000},
    {"CalculateLimitPrice up, count 2147483647 / count 30000",
     "CalculateLimitPrice/up/count:2147483647", "CalculateLimitPrice/up/count:30000", Bound::AtMost,
     2},
    {"CalculateLimitPrice down, count 2147483647 / count 30000",
     "CalculateLimitPrice/down/count:2147483647", "CalculateLimitPrice/down/count:30000",
     Bound::AtMost, 2},
};

// The name without the options of the run, such as its repetitions.
std::string NameWithArguments(const benchmark::BenchmarkReporter::Run& run) {
  const benchmark::BenchmarkName& name = run.run_name;
  return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

}  // namespace

GoalReporter::GoalReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
  std::vector<Run> shown;
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Iteration) {
      if (!run.error_occurred && run.iterations > 0) {
        const auto iterations = static_cast<double>(run.iterations);
        seconds_[NameWithArguments(run)].push_back(
            {run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations});
      }
      if (run.repetitions <= 1) {
        shown.push_back(run);
      }
    } else if (run.aggregate_name == "median") {
      shown.push_back(run);
    }
  }
  if (!shown.empty()) {
    ConsoleReporter::ReportRuns(shown);
  }
}

void GoalReporter::Finalize() {
  const auto median = [this](const char* name) -> std::optional<Seconds> {
    const auto found = seconds_.find(name);
    if (found == seconds_.end()) {
      return std::nullopt;
    }
    std::vector<Seconds> times = found->second;
    const auto middle = times.begin() + static_cast<long>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end(),
                     [](Seconds a, Seconds b) { return a.real < b.real; });
    const double real = middle->real;
    std::nth_element(times.begin(), middle, times.end(),
                     [](Seconds a, Seconds b) { return a.cpu < b.cpu; });
    return Seconds{real, middle->cpu};
  };
  std::ostream& out = GetOutputStream();
  char line[200];
  std::snprintf(line, sizeof line, "\n%-58s %10s %10s  %s\n",
                "Ratios of medians (goal judged on CPU time)", "CPU", "real", "goal");
  out << line;
  for (const Goal& goal : kGoals) {
    const std::optional<Seconds> numerator = median(goal.numerator);
    const std::optional<Seconds> denominator = median(goal.denominator);
    if (!numerator || !denominator) {
      std::snprintf(line, sizeof line, "%-58s not measured\n", goal.what);
    } else {
      const double cpu = numerator->cpu / denominator->cpu;
      const double real = numerator->real / denominator->real;
      const bool met = goal.bound == Bound::AtMost ? cpu <= goal.limit : cpu >= goal.limit;
      std::snprintf(line, sizeof line, "%-58s %10.2f %10.2f  %s %g %s\n", goal.what, cpu, real,
                    goal.bound == Bound::AtMost ? "<=" : ">=", goal.limit, met ? "met" : "MISSED");
    }
    out << line;
  }
}

}  // namespace bench
