#include <gtest/gtest.h>

#include "calculators/calculators.h"
#include "memory_controls.h"
#include "numtext/wide.h"

namespace calculators {
namespace {

constexpr Colour kLoss = 0x808000;
constexpr Colour kGain = 0x0000FF;
// Left on the output labels before each calculation, to see which colours it writes.
constexpr Colour kEarlier = 0x123456;

struct Outputs {
  const char* capital;
  const char* profit;
  const char* change;
  Colour profitColour;
  Colour changeColour;
};

class ProfitAndLossTest : public ::testing::Test {
 protected:
  void Calculate(const char* quantity, const char* cost, const char* target) {
    controls_.SetText("编辑框盈亏计算1", quantity);
    controls_.SetText("编辑框盈亏计算2", cost);
    controls_.SetText("编辑框盈亏计算4", target);
    calculators_.CalculateProfitAndLoss();
  }

  void ExpectOutputs(const Outputs& expected) {
    EXPECT_EQ(controls_.Text("标签17"), expected.capital);
    EXPECT_EQ(controls_.Text("标签18"), expected.profit);
    EXPECT_EQ(controls_.Text("标签20"), expected.change);
    EXPECT_EQ(controls_.TextColor("标签18"), expected.profitColour);
    EXPECT_EQ(controls_.TextColor("标签20"), expected.changeColour);
  }

  MemoryControls controls_;
  Calculators calculators_{controls_};
};

TEST_F(ProfitAndLossTest, ShowsWhatTheInputsAllow) {
  struct Row {
    const char* name;
    const char* quantity;
    const char* cost;
    const char* target;
    Outputs expected;
  };
  const Row rows[] = {
      // At least two inputs empty.
      {"all empty", "", "", "", {"-", "-", "-", kEarlier, kEarlier}},
      {"quantity alone", "1000", "", "", {"-", "-", "-", kEarlier, kEarlier}},
      {"cost alone", "", "10", "", {"-", "-", "-", kEarlier, kEarlier}},
      {"target alone", "", "", "12", {"-", "-", "-", kEarlier, kEarlier}},
      // No quantity: the percentage alone.
      {"no quantity, cost 10, target 8 → loss", "", "10", "8", {"-", "-", "-20", kEarlier, kLoss}},
      {"no quantity, cost 10, target 12 → gain", "", "10", "12", {"-", "-", "20", kEarlier, kGain}},
      {"no quantity, cost -2, target 3 → no sign correction",
       "",
       "-2",
       "3",
       {"-", "-", "-250", kEarlier, kGain}},
      // No target.
      {"quantity 1000, cost 10, no target",
       "1000",
       "10",
       "",
       {"10,000", "-", "-", kEarlier, kEarlier}},
      {"quantity 100, cost -2, no target", "100", "-2", "", {"-", "-", "-", kEarlier, kEarlier}},
      {"quantity 100, cost 5e-8 (zero within the margin), no target",
       "100",
       "0.00000005",
       "",
       {"0", "0", "-100", kGain, kGain}},
      // No cost.
      {"quantity 1000, no cost, target -1", "1000", "", "-1", {"0", "-", "-", kEarlier, kEarlier}},
      {"quantity 1000, no cost, target 12: gain colours, then all -",
       "1000",
       "",
       "12",
       {"-", "-", "-", kGain, kGain}},
      // All three given.
      {"quantity 1000, cost 10, target 0",
       "1000",
       "10",
       "0",
       {"10,000", "-", "-", kEarlier, kEarlier}},
      {"quantity 1000, cost 10, target -1",
       "1000",
       "10",
       "-1",
       {"10,000", "-", "-", kEarlier, kEarlier}},
      {"quantity 1000, cost 10, target 8 → loss",
       "1000",
       "10",
       "8",
       {"10,000", "-2,000", "-20", kLoss, kLoss}},
      {"quantity 300, cost 15.5, target 14.2 → loss",
       "300",
       "15.5",
       "14.2",
       {"4,650", "-390", "-8.39", kLoss, kLoss}},
      {"quantity 1000, cost 10, target 12 → gain",
       "1000",
       "10",
       "12",
       {"10,000", "2,000", "20", kGain, kGain}},
      {"quantity 1000, cost 10, target 10 → break-even is a gain",
       "1000",
       "10",
       "10",
       {"10,000", "0", "0", kGain, kGain}},
      {"quantity 500, cost 12.34, target 13.5 → no trailing zeros",
       "500",
       "12.34",
       "13.5",
       {"6,170", "580", "9.4", kGain, kGain}},
      {"quantity 12345, cost 6.789, target 7.1",
       "12345",
       "6.789",
       "7.1",
       {"83,810.205", "3,839.295", "4.58", kGain, kGain}},
      {"quantity 100, cost -2, target 3 → sign corrected",
       "100",
       "-2",
       "3",
       {"-200", "500", "250", kGain, kGain}},
      {"cost 5e-8 above target counts as break-even",
       "1000",
       "10.00000005",
       "10",
       {"10,000", "0", "0", kGain, kGain}},
      {"cost 2e-7 above target is a loss too small to show, still with its -",
       "1000",
       "10.0000002",
       "10",
       {"10,000", "-0", "-0", kLoss, kLoss}},
      {"negative quantity at a loss: - joined to a negative amount",
       "-1000",
       "10",
       "8",
       {"-10,000", "--2,000", "-20", kLoss, kLoss}},
      {"infinite quantity at a loss: - joined to the undefined value",
       "1e999",
       "10",
       "8",
       {"1.#INF", "--1.#IND", "-20", kLoss, kLoss}},
      {"-inf cost: -1 times the undefined percentage leaves it undefined",
       "100",
       "-1e999",
       "3",
       {"-1.#INF", "1.#INF", "-1.#IND", kGain, kGain}},
      // Zero texts copied from the position cost results, untouched by the input rules.
      {"quantity 0, cost 0, target 5 → divides by zero",
       "0",
       "0",
       "5",
       {"0", "0", "1.#INF", kGain, kGain}},
      {"no quantity, cost 0, target 5", "", "0", "5", {"-", "-", "1.#INF", kEarlier, kGain}},
      {"no quantity, cost 0, target -5", "", "0", "-5", {"-", "-", "-1.#INF", kEarlier, kLoss}},
      {"quantity 100, cost 0, no target", "100", "0", "", {"0", "0", "-1.#IND", kGain, kGain}},
      // Texts that are not numbers are worth what parsing makes of them.
      {"grouped and full-width texts", "1,000", "１０", "12元", {"10", "2", "20", kGain, kGain}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const char* label : {"标签17", "标签18", "标签20"}) {
      controls_.SetTextColor(label, kEarlier);
    }
    Calculate(row.quantity, row.cost, row.target);
    ExpectOutputs(row.expected);
    EXPECT_EQ(controls_.TextColor("标签17"), kEarlier) << "the capital is never coloured";
  }
}

TEST_F(ProfitAndLossTest, ColoursStayUntilACalculationWritesThem) {
  Calculate("1000", "10", "8");
  Calculate("1000", "10", "");
  ExpectOutputs({"10,000", "-", "-", kLoss, kLoss});
  Calculate("", "", "");
  ExpectOutputs({"-", "-", "-", kLoss, kLoss});

  Calculate("", "10", "12");
  ExpectOutputs({"-", "-", "20", kLoss, kGain});
}

TEST_F(ProfitAndLossTest, OutputsAreBlackUntilTheFirstColourIsWritten) {
  Calculate("1000", "10", "");
  ExpectOutputs({"10,000", "-", "-", 0x000000, 0x000000});
}

// Cost and target differ by 0.4 units in the last place more than the margin: the wide difference
// makes it a loss, the difference kept as a double would fall onto the margin, a gain.
TEST_F(ProfitAndLossTest, ComparesCostAndTargetWithoutRoundingTheirDifference) {
  if (sizeof(numtext::Wide) == sizeof(double)) {
    GTEST_SKIP() << "no wide intermediate on this platform";
  }
  Calculate("", "1.0000000000000001e-7", "7.94e-24");
  ExpectOutputs({"-", "-", "-100", 0x000000, kLoss});
}

}  // namespace
}  // namespace calculators
