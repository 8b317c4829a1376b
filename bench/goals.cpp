#include "bench/goals.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>

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

}  // namespace

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
      seconds_[run.benchmark_name()].push_back(run.real_accumulated_time /
                                               static_cast<double>(run.iterations));
    }
  }
}

void GoalReporter::Finalize() {
  const auto median = [this](const char* name) -> std::optional<double> {
    const auto found = seconds_.find(name);
    if (found == seconds_.end()) {
      return std::nullopt;
    }
    std::vector<double> times = found->second;
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
  };
  std::ostream& out = GetOutputStream();
  out << "\nRatios (real time per call)\n";
  for (const Goal& goal : kGoals) {
    const std::optional<double> numerator = median(goal.numerator);
    const std::optional<double> denominator = median(goal.denominator);
    char line[200];
    if (!numerator || !denominator) {
      std::snprintf(line, sizeof line, "%-58s  not measured\n", goal.what);
    } else {
      const double ratio = *numerator / *denominator;
      const bool met = goal.bound == Bound::AtMost ? ratio <= goal.limit : ratio >= goal.limit;
      std::snprintf(line, sizeof line, "%-58s %12.2f  goal %s %g  %s\n", goal.what, ratio,
                    goal.bound == Bound::AtMost ? "<=" : ">=", goal.limit, met ? "met" : "MISSED");
    }
    out << line;
  }
}

}  // namespace bench
