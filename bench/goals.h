// Prints the figures as the console does, repeated benchmarks by their median only, then the
// ratios between figures that have goals.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  GoalReporter();

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Seconds {
    double real;
    double cpu;
  };
  // Seconds per call of every repetition, by benchmark name.
  std::map<std::string, std::vector<Seconds>> seconds_;
};

}  // namespace bench
