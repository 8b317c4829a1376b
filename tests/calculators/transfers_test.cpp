#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calculators/calculators.h"
#include "memory_controls.h"

namespace calculators {
namespace {

constexpr Colour kLoss = 0x808000;

const char* const kBoxes[] = {
    "编辑框盈亏计算1", "编辑框盈亏计算2", "编辑框盈亏计算4", "标签17",
    "标签18",          "标签20",          "编辑框_补仓1",    "编辑框_补仓2",
    "编辑框_补仓3",    "编辑框_补仓4",    "编辑框_总持仓",   "编辑框_均价MY",
};

class TransfersTest : public ::testing::Test {
 protected:
  // Texts that no number rule has touched: grouped, full-width, special, blank and empty.
  void FillBoxes() {
    const std::map<std::string, std::string> texts = {
        {"编辑框盈亏计算1", "1,000"},  {"编辑框盈亏计算2", "１２．５"},
        {"编辑框盈亏计算4", "1.#INF"}, {"标签17", "10,000"},
        {"标签18", "-2,000"},          {"标签20", "-20"},
        {"编辑框_补仓1", "300"},       {"编辑框_补仓2", "abc"},
        {"编辑框_补仓3", ""},          {"编辑框_补仓4", "-1.#IND"},
        {"编辑框_总持仓", "0"},        {"编辑框_均价MY", " 9.5 "},
    };
    for (const auto& [box, text] : texts) {
      controls_.SetText(box, text);
    }
    for (const char* label : {"标签17", "标签18", "标签20"}) {
      controls_.SetTextColor(label, kLoss);
    }
  }

  std::map<std::string, std::string> Texts() const {
    std::map<std::string, std::string> texts;
    for (const char* box : kBoxes) {
      texts[box] = controls_.Text(box);
    }
    return texts;
  }

  MemoryControls controls_;
  Calculators calculators_{controls_};
};

TEST_F(TransfersTest, EachTransferCopiesOrSetsTextsAndNothingElse) {
  struct Row {
    const char* name;
    void (Calculators::*transfer)();
    std::map<std::string, std::string> changes;
  };
  const Row rows[] = {
      {"clear profit and loss",
       &Calculators::ClearProfitAndLoss,
       {{"编辑框盈亏计算1", ""},
        {"编辑框盈亏计算2", ""},
        {"编辑框盈亏计算4", ""},
        {"标签17", "-"},
        {"标签18", "-"},
        {"标签20", "-"}}},
      {"swap cost and target",
       &Calculators::SwapCostAndTarget,
       {{"编辑框盈亏计算2", "1.#INF"}, {"编辑框盈亏计算4", "１２．５"}}},
      {"export down to position cost",
       &Calculators::ExportToPositionCost,
       {{"编辑框_补仓1", "1,000"}, {"编辑框_补仓2", "１２．５"}}},
      {"export the holding up",
       &Calculators::ExportHoldingToProfitAndLoss,
       {{"编辑框盈亏计算1", "300"}, {"编辑框盈亏计算2", "abc"}}},
      {"export the results up",
       &Calculators::ExportResultToProfitAndLoss,
       {{"编辑框盈亏计算1", "0"}, {"编辑框盈亏计算2", " 9.5 "}, {"编辑框盈亏计算4", "-1.#IND"}}},
      {"clear position cost",
       &Calculators::ClearPositionCost,
       {{"编辑框_补仓1", ""},
        {"编辑框_补仓2", ""},
        {"编辑框_补仓3", ""},
        {"编辑框_补仓4", ""},
        {"编辑框_总持仓", ""},
        {"编辑框_均价MY", ""}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FillBoxes();
    std::map<std::string, std::string> expected = Texts();
    for (const auto& [box, text] : row.changes) {
      expected[box] = text;
    }
    (calculators_.*row.transfer)();
    EXPECT_EQ(Texts(), expected);
    for (const char* label : {"标签17", "标签18", "标签20"}) {
      EXPECT_EQ(controls_.TextColor(label), kLoss) << label;
    }
  }
}

TEST_F(TransfersTest, SwappingTwiceRestores) {
  FillBoxes();
  calculators_.SwapCostAndTarget();
  calculators_.SwapCostAndTarget();
  EXPECT_EQ(controls_.Text("编辑框盈亏计算2"), "１２．５");
  EXPECT_EQ(controls_.Text("编辑框盈亏计算4"), "1.#INF");
}

TEST_F(TransfersTest, EmptySourcesEmptyTheirDestinations) {
  FillBoxes();
  controls_.SetText("编辑框盈亏计算4", "");
  calculators_.SwapCostAndTarget();
  EXPECT_EQ(controls_.Text("编辑框盈亏计算2"), "");
  EXPECT_EQ(controls_.Text("编辑框盈亏计算4"), "１２．５");

  calculators_.ClearProfitAndLoss();
  calculators_.ExportToPositionCost();
  EXPECT_EQ(controls_.Text("编辑框_补仓1"), "");
  EXPECT_EQ(controls_.Text("编辑框_补仓2"), "");
}

TEST_F(TransfersTest, ResultsExportedBeforeAnyCalculationLeaveProfitAndLossWithPlaceholders) {
  controls_.SetText("编辑框_补仓4", "12");
  calculators_.ExportResultToProfitAndLoss();
  calculators_.CalculateProfitAndLoss();
  EXPECT_EQ(controls_.Text("标签17"), "-");
  EXPECT_EQ(controls_.Text("标签18"), "-");
  EXPECT_EQ(controls_.Text("标签20"), "-");
}

TEST_F(TransfersTest, ASoldOutPositionExportedUpDividesByItsZeroCost) {
  controls_.ClickRadio("单选框5");
  calculators_.SelectReduceMode();
  controls_.SetText("编辑框_补仓1", "1000");
  controls_.SetText("编辑框_补仓2", "10");
  controls_.SetText("编辑框_补仓3", "1000");
  controls_.SetText("编辑框_补仓4", "5");
  calculators_.CalculatePositionCost();

  calculators_.ExportResultToProfitAndLoss();
  EXPECT_EQ(controls_.Text("编辑框盈亏计算1"), "0");
  EXPECT_EQ(controls_.Text("编辑框盈亏计算2"), "0");
  calculators_.CalculateProfitAndLoss();
  EXPECT_EQ(controls_.Text("标签17"), "0");
  EXPECT_EQ(controls_.Text("标签18"), "0");
  EXPECT_EQ(controls_.Text("标签20"), "1.#INF");
  EXPECT_EQ(controls_.TextColor("标签18"), 0x0000FFu);
  EXPECT_EQ(controls_.TextColor("标签20"), 0x0000FFu);
}

}  // namespace
}  // namespace calculators
