#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "shell/label.h"
#include "shell/layout.h"
#include "shell/widget_properties.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

class WidgetPropertiesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    properties_.emplace(Window(), Layout());
  }

  calculators::PropertyModel& Properties() { return *properties_; }

 private:
  std::optional<WidgetProperties> properties_;
};

TEST_F(WidgetPropertiesTest, TextsRoundTripThroughEditBoxesAndLabels) {
  for (const char* control : {"编辑框盈亏计算2", "编辑框_总持仓", "标签17", "标签6"}) {
    SCOPED_TRACE(control);
    Properties().SetText(control, "减仓成本计算 1,234.5");
    EXPECT_EQ(TextOf(control), "减仓成本计算 1,234.5");
    EXPECT_EQ(Properties().Text(control), "减仓成本计算 1,234.5");
  }
}

TEST_F(WidgetPropertiesTest, WritingATextRaisesNoEventAndAppliesNoInputRule) {
  auto* count = Control<QLineEdit>("编辑框2涨跌停计算2");
  QSignalSpy changes(count, &QLineEdit::textChanged);
  Properties().SetText("编辑框2涨跌停计算2", "12.5");
  EXPECT_EQ(count->text(), "12.5");
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(WidgetPropertiesTest, CheckedIsOneOrZeroAndOnlyOneMeansChecked) {
  struct Case {
    const char* name;
    int written;
    int read;
  };
  const Case cases[] = {{"one checks", 1, 1},
                        {"zero unchecks", 0, 0},
                        {"two unchecks", 2, 0},
                        {"minus one unchecks", -1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Properties().SetChecked("单选框3", 1);
    Properties().SetChecked("单选框3", c.written);
    EXPECT_EQ(Properties().Checked("单选框3"), c.read);
    EXPECT_EQ(Control<QRadioButton>("单选框3")->isChecked(), c.read == 1);
  }
}

TEST_F(WidgetPropertiesTest, TextColourIsBlueGreenRedWithRedInTheLowByte) {
  Properties().SetTextColor("标签18", 0x0000FF);
  EXPECT_EQ(Control<Label>("标签18")->textColor(), QColor(Qt::red));
  Properties().SetTextColor("标签18", 0x804020);
  EXPECT_EQ(Control<Label>("标签18")->textColor(), QColor(0x20, 0x40, 0x80));
  EXPECT_EQ(Properties().TextColor("标签18"), 0x804020u);
  EXPECT_EQ(Properties().TextColor("标签24"), 0xFFFFFFu);
}

TEST_F(WidgetPropertiesTest, TheComboBoxStartsWithItsFirstItemSelected) {
  EXPECT_EQ(Properties().SelectedIndex("组合框1"), 0);
}

TEST_F(WidgetPropertiesTest, AWindowWithoutAControlOfTheLayoutIsRefused) {
  delete Control<QWidget>("按钮5");
  EXPECT_THROW(WidgetProperties(Window(), Layout()), std::runtime_error);
}

using WidgetPropertiesDeathTest = WidgetPropertiesTest;

TEST_F(WidgetPropertiesDeathTest, NamingAControlThatIsNotThereIsFatal) {
  EXPECT_DEATH(Properties().Text("编辑框盈亏计算3"), "编辑框盈亏计算3");
  EXPECT_DEATH(Properties().Checked("标签6"), "标签6");
  EXPECT_DEATH(Properties().SetTextColor("编辑框_补仓1", 0), "编辑框_补仓1");
}

}  // namespace
}  // namespace shell
