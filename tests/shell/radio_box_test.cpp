#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "shell/label.h"
#include "shell/layout.h"
#include "shell/widget_properties.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

constexpr const char* kRadioButtons[] = {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"};

class RadioGroupTest : public WindowTest {
 protected:
  std::vector<std::string> CheckedButtons() {
    std::vector<std::string> checked;
    for (const char* name : kRadioButtons) {
      if (Control<QRadioButton>(name)->isChecked()) {
        checked.push_back(name);
      }
    }
    return checked;
  }
};

// The window's radio buttons 1, 2, 3 and 5 are one group; 单选框4 lies in a frame, alone.
TEST_F(RadioGroupTest, AClickChecksTheButtonAndUnchecksTheRestOfItsGroup) {
  struct Case {
    const char* click;
    std::vector<std::string> checked;
  };
  const Case cases[] = {
      {"单选框2", {"单选框2", "单选框4"}},
      {"单选框3", {"单选框3", "单选框4"}},
      // The reduce mode operation unchecks 单选框4 itself; the group unchecks the rate.
      {"单选框5", {"单选框5"}},
      {"单选框1", {"单选框1"}},
      {"单选框4", {"单选框1", "单选框4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.click);
    Click(c.click);
    EXPECT_EQ(CheckedButtons(), c.checked);
  }
}

TEST_F(RadioGroupTest, AClickOnTheCheckedButtonKeepsItCheckedAndRunsItsOperationAgain) {
  auto* addMode = Control<QRadioButton>("单选框4");
  QSignalSpy clicks(addMode, &QAbstractButton::clicked);
  Control<Label>("标签6")->setText("changed");

  Click("单选框4");

  EXPECT_TRUE(addMode->isChecked());
  EXPECT_EQ(clicks.count(), 1);
  // SelectAddMode writes the section's title back.
  EXPECT_EQ(TextOf("标签6"), "补仓加仓成本计算");
}

TEST_F(RadioGroupTest, UncheckingThroughThePropertyModelLeavesTheGroupEmptyAndRunsNothing) {
  WidgetProperties properties(Window(), Layout());
  QSignalSpy rate10Clicks(Control<QRadioButton>("单选框1"), &QAbstractButton::clicked);
  QSignalSpy rate10Toggles(Control<QRadioButton>("单选框1"), &QAbstractButton::toggled);

  properties.SetChecked("单选框1", 0);

  EXPECT_EQ(CheckedButtons(), std::vector<std::string>{"单选框4"});
  EXPECT_EQ(rate10Clicks.count(), 0);
  EXPECT_EQ(rate10Toggles.count(), 0);
}

TEST_F(RadioGroupTest, CheckingThroughThePropertyModelLeavesTheOthersAlone) {
  WidgetProperties properties(Window(), Layout());
  properties.SetChecked("单选框2", 1);
  EXPECT_EQ(CheckedButtons(), (std::vector<std::string>{"单选框1", "单选框2", "单选框4"}));
}

}  // namespace
}  // namespace shell
