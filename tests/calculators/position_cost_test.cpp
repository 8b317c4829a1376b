#include <gtest/gtest.h>

#include <string>

#include "calculators/calculators.h"
#include "memory_controls.h"
#include "numtext/wide.h"

namespace calculators {
namespace {

enum class Mode { kAdd, kReduce, kBoth, kNeither };

// Left in the output boxes before each calculation, to see whether it writes them.
constexpr const char* kEarlierQuantity = "earlier quantity";
constexpr const char* kEarlierCost = "earlier cost";

class PositionCostTest : public ::testing::Test {
 protected:
  void SetMode(Mode mode) {
    controls_.SetChecked("单选框4", mode == Mode::kAdd || mode == Mode::kBoth ? 1 : 0);
    controls_.SetChecked("单选框5", mode == Mode::kReduce || mode == Mode::kBoth ? 1 : 0);
  }

  void Calculate(const char* heldQuantity, const char* heldCost, const char* tradeQuantity,
                 const char* tradePrice) {
    controls_.SetText("编辑框_补仓1", heldQuantity);
    controls_.SetText("编辑框_补仓2", heldCost);
    controls_.SetText("编辑框_补仓3", tradeQuantity);
    controls_.SetText("编辑框_补仓4", tradePrice);
    controls_.SetText("编辑框_总持仓", kEarlierQuantity);
    controls_.SetText("编辑框_均价MY", kEarlierCost);
    calculators_.CalculatePositionCost();
  }

  void ExpectResult(const char* quantity, const char* cost) {
    EXPECT_EQ(controls_.Text("编辑框_总持仓"), quantity);
    EXPECT_EQ(controls_.Text("编辑框_均价MY"), cost);
  }

  void ExpectCaptions(const char* title, const char* tradeQuantity, const char* tradePrice,
                      const char* costAfter) {
    EXPECT_EQ(controls_.Text("标签6"), title);
    EXPECT_EQ(controls_.Text("标签_补仓3"), tradeQuantity);
    EXPECT_EQ(controls_.Text("标签_补仓4"), tradePrice);
    EXPECT_EQ(controls_.Text("标签_均价MY"), costAfter);
  }

  MemoryControls controls_;
  Calculators calculators_{controls_};
};

TEST_F(PositionCostTest, ComputesTheHoldingAfterTheTrade) {
  struct Row {
    const char* name;
    const char* heldQuantity;
    const char* heldCost;
    const char* tradeQuantity;
    const char* tradePrice;
    Mode mode;
    const char* quantityAfter;
    const char* costAfter;
  };
  const Row rows[] = {
      {"add 1000 at 8 to 1000 at 10", "1000", "10", "1000", "8", Mode::kAdd, "2000", "9"},
      {"add 200 at 10.2 to 300 at 12.5", "300", "12.5", "200", "10.2", Mode::kAdd, "500", "11.58"},
      {"add: average rounded to 3 places", "100", "10", "200", "9", Mode::kAdd, "300", "9.333"},
      {"add 500 at 9.876 to 1000 at 10.234", "1000", "10.234", "500", "9.876", Mode::kAdd, "1500",
       "10.115"},
      {"add to an empty holding", "", "10", "100", "8", Mode::kAdd, "100", "8"},
      {"add nothing", "200", "10", "", "8", Mode::kAdd, "200", "10"},
      {"add with both quantities empty: 0 / 0", "", "10", "", "8", Mode::kAdd, "0", "-1.#IND"},
      {"add -100 to 100: 200 / 0", "100", "10", "-100", "8", Mode::kAdd, "0", "1.#INF"},
      {"reduce 1000 at 10 by 400 at 12", "1000", "10", "400", "12", Mode::kReduce, "600", "8.667"},
      {"reduce 300 at 11.58 by 100 at 12.6", "300", "11.58", "100", "12.6", Mode::kReduce, "200",
       "11.07"},
      {"reduce, selling below cost", "100", "10", "50", "5", Mode::kReduce, "50", "15"},
      {"reduce, cost falls below zero", "100", "10", "50", "30", Mode::kReduce, "50", "-10"},
      {"reduce by the whole holding", "1000", "10", "1000", "12", Mode::kReduce, "0", "0"},
      {"reduce by more than the holding", "1000", "10", "1500", "12", Mode::kReduce, "0", "0"},
      {"reduce with both quantities empty", "", "10", "", "8", Mode::kReduce, "0", "0"},
      {"reduce by 5e-8 less than the holding sells it all", "100", "10", "99.99999995", "12",
       Mode::kReduce, "0", "0"},
      {"reduce leaving 2e-7: a huge average", "100", "10", "99.9999998", "5", Mode::kReduce,
       "2.000000023372e-007", "2499999975.785"},
      {"both modes: reduce replaces add", "1000", "10", "400", "12", Mode::kBoth, "600", "8.667"},
      {"both modes, sold out: reduce replaces add", "1000", "10", "1000", "12", Mode::kBoth, "0",
       "0"},
      {"neither mode writes nothing", "1000", "10", "400", "12", Mode::kNeither, kEarlierQuantity,
       kEarlierCost},
      {"texts that are not numbers", "1,000", "１０", "1e2", "8元", Mode::kAdd, "101", "8.02"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetMode(row.mode);
    Calculate(row.heldQuantity, row.heldCost, row.tradeQuantity, row.tradePrice);
    ExpectResult(row.quantityAfter, row.costAfter);
  }
}

TEST_F(PositionCostTest, WithoutHoldingCostOrTradePriceShowsPlaceholdersInAnyMode) {
  struct Row {
    const char* name;
    const char* heldQuantity;
    const char* heldCost;
    const char* tradeQuantity;
    const char* tradePrice;
  };
  const Row rows[] = {
      {"no holding cost", "1000", "", "400", "12"},
      {"no trade price", "1000", "10", "400", ""},
      {"all empty", "", "", "", ""},
      {"blank holding cost, no trade price", "1000", " ", "400", ""},
  };
  for (const Mode mode : {Mode::kAdd, Mode::kReduce, Mode::kBoth, Mode::kNeither}) {
    SetMode(mode);
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.name) + ", mode " + std::to_string(static_cast<int>(mode)));
      Calculate(row.heldQuantity, row.heldCost, row.tradeQuantity, row.tradePrice);
      ExpectResult("-", "-");
    }
  }
}

TEST_F(PositionCostTest, ModeButtonsSwitchCaptionsAndKeepEachOtherUnchecked) {
  ExpectCaptions("补仓加仓成本计算", "加/补仓数量", "加/补仓价格", "加/补仓后成本");

  controls_.ClickRadio("单选框5");
  calculators_.SelectReduceMode();
  EXPECT_EQ(controls_.Checked("单选框4"), 0);
  ExpectCaptions("减仓成本计算", "减仓数量", "减仓价格", "减仓后成本");

  controls_.ClickRadio("单选框4");
  calculators_.SelectAddMode();
  EXPECT_EQ(controls_.Checked("单选框5"), 0);
  EXPECT_EQ(controls_.Checked("单选框1"), 0) << "no rate button is checked again";
  ExpectCaptions("补仓加仓成本计算", "加/补仓数量", "加/补仓价格", "加/补仓后成本");
}

TEST_F(PositionCostTest, ModeOperationsDoNothingForAnUncheckedButton) {
  calculators_.SelectReduceMode();
  EXPECT_EQ(controls_.Checked("单选框4"), 1);
  ExpectCaptions("补仓加仓成本计算", "加/补仓数量", "加/补仓价格", "加/补仓后成本");

  controls_.ClickRadio("单选框5");
  calculators_.SelectReduceMode();
  controls_.SetChecked("单选框4", 0);
  calculators_.SelectAddMode();
  EXPECT_EQ(controls_.Checked("单选框5"), 1);
  ExpectCaptions("减仓成本计算", "减仓数量", "减仓价格", "减仓后成本");
}

TEST_F(PositionCostTest, ModeOperationsLeaveInputsAndResultsAlone) {
  SetMode(Mode::kAdd);
  Calculate("1000", "10", "1000", "8");
  controls_.ClickRadio("单选框5");
  calculators_.SelectReduceMode();
  EXPECT_EQ(controls_.Text("编辑框_补仓1"), "1000");
  EXPECT_EQ(controls_.Text("编辑框_补仓2"), "10");
  EXPECT_EQ(controls_.Text("编辑框_补仓3"), "1000");
  EXPECT_EQ(controls_.Text("编辑框_补仓4"), "8");
  ExpectResult("2000", "9");
}

TEST_F(PositionCostTest, ARateButtonAfterReduceLeavesNeitherModeChecked) {
  controls_.ClickRadio("单选框5");
  calculators_.SelectReduceMode();
  controls_.ClickRadio("单选框2");
  calculators_.SelectRate20();
  EXPECT_EQ(controls_.Checked("单选框4"), 0);
  EXPECT_EQ(controls_.Checked("单选框5"), 0);
  ExpectCaptions("减仓成本计算", "减仓数量", "减仓价格", "减仓后成本");

  Calculate("1000", "10", "400", "12");
  ExpectResult(kEarlierQuantity, kEarlierCost);
  Calculate("1000", "", "400", "12");
  ExpectResult("-", "-");
}

// The quantities differ by 0.4 units in the last place more than the margin: the wide difference
// shows it, the difference kept as a double would fall onto the margin and sell everything.
TEST_F(PositionCostTest, ComparesTheQuantitiesWithoutRoundingTheirDifference) {
  if (sizeof(numtext::Wide) == sizeof(double)) {
    GTEST_SKIP() << "no wide intermediate on this platform";
  }
  SetMode(Mode::kReduce);
  Calculate("1.0000000000000001e-7", "10", "7.94e-24", "10");
  ExpectResult("1e-007", "10");
}

}  // namespace
}  // namespace calculators
