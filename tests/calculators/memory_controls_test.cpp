// The in-memory controls must refuse what the window does not have, or a misspelt name in an
// operation would pass every other test unnoticed.
#include "memory_controls.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace calculators {
namespace {

TEST(MemoryControlsTest, RefusesUnknownNamesAndMissingProperties) {
  MemoryControls controls;
  EXPECT_THROW(controls.Text("标签19"), std::invalid_argument);
  EXPECT_THROW(controls.SetText("编辑框_补仓5", "1"), std::invalid_argument);
  EXPECT_THROW(controls.Checked("单选框6"), std::invalid_argument);
  EXPECT_THROW(controls.TextColor("编辑框盈亏计算1"), std::invalid_argument);
  EXPECT_THROW(controls.SetText("单选框1", "x"), std::invalid_argument);
  EXPECT_THROW(controls.SelectedIndex("编辑框1涨跌停计算1"), std::invalid_argument);
}

TEST(MemoryControlsTest, RadioClickUnchecksOnlyItsOwnGroup) {
  MemoryControls controls;
  controls.ClickRadio("单选框5");
  EXPECT_EQ(controls.Checked("单选框1"), 0);
  EXPECT_EQ(controls.Checked("单选框5"), 1);
  EXPECT_EQ(controls.Checked("单选框4"), 1) << "加仓 lies in a group of its own";

  controls.ClickRadio("单选框3");
  EXPECT_EQ(controls.Checked("单选框5"), 0);
  EXPECT_EQ(controls.Checked("单选框3"), 1);
}

}  // namespace
}  // namespace calculators
