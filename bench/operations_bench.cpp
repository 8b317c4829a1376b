// Every operation of the calculators and every transfer, once per call, through the property
// model kept in memory and filled as a trader would fill the window.
#include <benchmark/benchmark.h>

#include "bench/suites.h"
#include "calculators/calculators.h"
#include "memory_controls.h"

namespace bench {
namespace {

using Operation = void (calculators::Calculators::*)();

enum class Mode { Add, Reduce };

struct OperationCase {
  const char* name;
  Operation run;
  Mode mode;
};

constexpr OperationCase kOperations[] = {
    {"CalculateLimitPrice", &calculators::Calculators::CalculateLimitPrice, Mode::Add},
    {"SelectRate10", &calculators::Calculators::SelectRate10, Mode::Add},
    {"SelectRate20", &calculators::Calculators::SelectRate20, Mode::Add},
    {"CalculateProfitAndLoss", &calculators::Calculators::CalculateProfitAndLoss, Mode::Add},
    {"CalculatePositionCost/add", &calculators::Calculators::CalculatePositionCost, Mode::Add},
    {"CalculatePositionCost/reduce", &calculators::Calculators::CalculatePositionCost,
     Mode::Reduce},
    {"SelectAddMode", &calculators::Calculators::SelectAddMode, Mode::Add},
    {"SelectReduceMode", &calculators::Calculators::SelectReduceMode, Mode::Reduce},
    {"ClearProfitAndLoss", &calculators::Calculators::ClearProfitAndLoss, Mode::Add},
    {"SwapCostAndTarget", &calculators::Calculators::SwapCostAndTarget, Mode::Add},
    {"ExportToPositionCost", &calculators::Calculators::ExportToPositionCost, Mode::Add},
    {"ExportHoldingToProfitAndLoss", &calculators::Calculators::ExportHoldingToProfitAndLoss,
     Mode::Add},
    {"ExportResultToProfitAndLoss", &calculators::Calculators::ExportResultToProfitAndLoss,
     Mode::Add},
    {"ClearPositionCost", &calculators::Calculators::ClearPositionCost, Mode::Add},
};

struct Input {
  const char* control;
  const char* text;
};

// The window after a trader has used all three calculators once.
constexpr Input kTypedTexts[] = {
    {"编辑框1涨跌停计算1", "10.05"},
    {"编辑框2涨跌停计算2", "2"},
    {"编辑框3涨跌停计算3", "12.16"},
    {"编辑框盈亏计算1", "1000"},
    {"编辑框盈亏计算2", "10.05"},
    {"编辑框盈亏计算4", "12.16"},
    {"标签17", "10,050"},
    {"标签18", "2,110"},
    {"标签20", "21"},
    {"编辑框_补仓1", "1000"},
    {"编辑框_补仓2", "10.05"},
    {"编辑框_补仓3", "500"},
    {"编辑框_补仓4", "9.5"},
    {"编辑框_总持仓", "1500"},
    {"编辑框_均价MY", "9.867"},
};

void FillWindow(calculators::MemoryControls& controls, Mode mode) {
  for (const Input& input : kTypedTexts) {
    controls.SetText(input.control, input.text);
  }
  if (mode == Mode::Reduce) {
    controls.ClickRadio("单选框5");
  }
}

}  // namespace

void RegisterOperationBenchmarks() {
  for (const OperationCase& c : kOperations) {
    benchmark::RegisterBenchmark(c.name, [c](benchmark::State& state) {
      calculators::MemoryControls controls;
      FillWindow(controls, c.mode);
      calculators::Calculators calculators(controls);
      for (auto _ : state) {
        (calculators.*c.run)();
      }
    });
  }
}

}  // namespace bench
