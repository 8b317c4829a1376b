// Prints the figures as the console does, then the ratios between figures that have goals.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  // Seconds per call of every repetition, by benchmark name.
  std::map<std::string, std::vector<double>> seconds_;
};

}  // namespace bench
