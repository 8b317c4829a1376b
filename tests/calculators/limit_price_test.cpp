#include <gtest/gtest.h>

#include <string>

#include "calculators/calculators.h"
#include "memory_controls.h"

namespace calculators {
namespace {

constexpr int kUp = 0;
constexpr int kDown = 1;
constexpr int kTypedByHand = -1;

class LimitPriceTest : public ::testing::Test {
 protected:
  // Types the inputs and clicks the calculate button; returns the final price shown.
  std::string Calculate(const char* price, const char* count, int directionItem = kUp) {
    controls_.SetText("编辑框1涨跌停计算1", price);
    controls_.SetText("编辑框2涨跌停计算2", count);
    controls_.SelectItem("组合框1", directionItem);
    calculators_.CalculateLimitPrice();
    return controls_.Text("编辑框3涨跌停计算3");
  }

  MemoryControls controls_;
  Calculators calculators_{controls_};
};

TEST_F(LimitPriceTest, ShowsThePriceAfterTheMovesRoundedOnce) {
  struct Row {
    const char* name;
    const char* price;
    const char* count;
    int direction;
    const char* rateButton;
    const char* expected;
  };
  const Row rows[] = {
      {"10, 1 up at 10%", "10", "1", kUp, "单选框1", "11"},
      {"10, 2 up at 10%", "10", "2", kUp, "单选框1", "12.1"},
      {"10.05, 2 up at 10%: rounded once, not 12.17", "10.05", "2", kUp, "单选框1", "12.16"},
      {"9.99, 2 up at 10%", "9.99", "2", kUp, "单选框1", "12.09"},
      {"20, 3 down at 10%", "20", "3", kDown, "单选框1", "14.58"},
      {"100, 10 down at 10%: rounded once, not 34.88", "100", "10", kDown, "单选框1", "34.87"},
      {"10, 3 up at 20%", "10", "3", kUp, "单选框2", "17.28"},
      {"15.5, 3 up at 20%", "15.5", "3", kUp, "单选框2", "26.78"},
      {"10, 1 down at 5%", "10", "1", kDown, "单选框3", "9.5"},
      {"count 0 makes no move and shows 0", "10", "0", kUp, "单选框1", "0"},
      {"negative count makes no move", "10", "-2", kUp, "单选框1", "0"},
      {"empty count makes no move", "10", "", kUp, "单选框1", "0"},
      {"empty price counts as 0", "", "3", kUp, "单选框1", "0"},
      {"8000 moves up leave the double range", "10", "8000", kUp, "单选框1", "1.#INF"},
      {"count beyond 32 bits wraps: 4294967297 is 1", "10", "4294967297", kUp, "单选框1", "11"},
      {"count 1e12 wraps negative: no move", "10", "1e12", kUp, "单选框1", "0"},
      {"largest count up ends at infinity", "10", "2147483647", kUp, "单选框1", "1.#INF"},
      {"largest count down ends near zero", "10", "2147483647", kDown, "单选框1", "0"},
      {"full-width price", "１０", "1", kUp, "单选框1", "11"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    controls_.ClickRadio(row.rateButton);
    EXPECT_EQ(Calculate(row.price, row.count, row.direction), row.expected);
  }
}

TEST_F(LimitPriceTest, StartsAtTenPercentUpWithOneMove) {
  controls_.SetText("编辑框1涨跌停计算1", "10");
  calculators_.CalculateLimitPrice();
  EXPECT_EQ(controls_.Text("编辑框3涨跌停计算3"), "11");
  EXPECT_EQ(calculators_.LimitRate(), 0.1);
}

TEST_F(LimitPriceTest, AnyDirectionButItemZeroGoesDown) {
  EXPECT_EQ(Calculate("10", "1", kDown), "9");
  EXPECT_EQ(Calculate("10", "1", kTypedByHand), "9");
  EXPECT_EQ(Calculate("10", "1", kUp), "11");
}

TEST_F(LimitPriceTest, WithNoRateButtonCheckedTheRateIsZeroBeforeAnyCalculation) {
  controls_.ClickRadio("单选框5");
  EXPECT_EQ(Calculate("9.876", "1"), "9.88");
  EXPECT_EQ(calculators_.LimitRate(), 0.0);
}

TEST_F(LimitPriceTest, WithNoRateButtonCheckedTheLastRateIsKept) {
  controls_.ClickRadio("单选框2");
  EXPECT_EQ(Calculate("10", "1"), "12");
  controls_.ClickRadio("单选框5");
  EXPECT_EQ(Calculate("10", "1"), "12");
  EXPECT_EQ(calculators_.LimitRate(), 0.2);
}

TEST_F(LimitPriceTest, OfSeveralCheckedRateButtonsTheLastWins) {
  struct Row {
    const char* name;
    int rate10, rate20, rate5;
    const char* expected;
  };
  const Row rows[] = {
      {"10% and 20%: 20%", 1, 1, 0, "120"},
      {"10% and 5%: 5%", 1, 0, 1, "105"},
      {"20% and 5%: 5%", 0, 1, 1, "105"},
      {"all three: 5%", 1, 1, 1, "105"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    controls_.SetChecked("单选框1", row.rate10);
    controls_.SetChecked("单选框2", row.rate20);
    controls_.SetChecked("单选框3", row.rate5);
    EXPECT_EQ(Calculate("100", "1"), row.expected);
  }
}

TEST_F(LimitPriceTest, RateButtonsUncheckTheOtherOfTenAndTwentyOnly) {
  struct Row {
    const char* name;
    void (Calculators::*operation)();
    int rate10Before, rate20Before;
    int rate10After, rate20After;
  };
  const Row rows[] = {
      {"10% checked unchecks 20%", &Calculators::SelectRate10, 1, 1, 1, 0},
      {"10% not checked does nothing", &Calculators::SelectRate10, 0, 1, 0, 1},
      {"20% checked unchecks 10%", &Calculators::SelectRate20, 1, 1, 0, 1},
      {"20% not checked does nothing", &Calculators::SelectRate20, 1, 0, 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    controls_.SetChecked("单选框1", row.rate10Before);
    controls_.SetChecked("单选框2", row.rate20Before);
    controls_.SetChecked("单选框3", 1);
    controls_.SetText("编辑框3涨跌停计算3", "earlier");
    (calculators_.*row.operation)();
    EXPECT_EQ(controls_.Checked("单选框1"), row.rate10After);
    EXPECT_EQ(controls_.Checked("单选框2"), row.rate20After);
    EXPECT_EQ(controls_.Checked("单选框3"), 1);
    EXPECT_EQ(controls_.Text("编辑框3涨跌停计算3"), "earlier") << "no result before a calculation";
    EXPECT_EQ(calculators_.LimitRate(), 0.0) << "the rate is taken only by a calculation";
  }
}

TEST(LimitPriceInstancesTest, EachInstanceKeepsItsOwnRate) {
  MemoryControls firstControls;
  MemoryControls secondControls;
  Calculators first(firstControls);
  Calculators second(secondControls);
  firstControls.ClickRadio("单选框2");
  first.CalculateLimitPrice();

  secondControls.ClickRadio("单选框5");
  secondControls.SetText("编辑框1涨跌停计算1", "10");
  second.CalculateLimitPrice();
  EXPECT_EQ(secondControls.Text("编辑框3涨跌停计算3"), "10");
  EXPECT_EQ(first.LimitRate(), 0.2);
  EXPECT_EQ(second.LimitRate(), 0.0);
}

}  // namespace
}  // namespace calculators
