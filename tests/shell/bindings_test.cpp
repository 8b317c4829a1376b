#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "shell/label.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

class BindingsTest : public WindowTest {
 protected:
  // Clicks into the box, selects what it holds and types over it.
  void Retype(const char* name, const char* text) {
    Click(name);
    QTest::keyClick(Control<QWidget>(name), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Control<QWidget>(name), QString::fromLatin1(text));
  }
};

TEST_F(BindingsTest, CalculatingTheLimitPriceOfTwoMovesUp) {
  Retype("编辑框1涨跌停计算1", "10");
  Retype("编辑框2涨跌停计算2", "2");
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "12.1");
}

TEST_F(BindingsTest, RateButtonsChangeTheRateOfTheNextCalculation) {
  Retype("编辑框1涨跌停计算1", "10");
  Click("单选框2");
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "12");
  Click("单选框3");
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "10.5");
}

// Each click runs its own operation: the profit and loss section and the transfers around it.
TEST_F(BindingsTest, ProfitAndLossButtonsRunTheirOperations) {
  Retype("编辑框盈亏计算1", "100");
  Retype("编辑框盈亏计算2", "10");
  Retype("编辑框盈亏计算4", "12");
  Click("按钮3盈亏计算");
  EXPECT_EQ(TextOf("标签17"), "1,000");
  EXPECT_EQ(TextOf("标签20"), "20");

  Click("按钮2互换");
  EXPECT_EQ(TextOf("编辑框盈亏计算2"), "12");
  EXPECT_EQ(TextOf("编辑框盈亏计算4"), "10");

  Click("按钮2向下导入");
  EXPECT_EQ(TextOf("编辑框_补仓1"), "100");

  Click("按钮1");
  EXPECT_EQ(TextOf("编辑框盈亏计算1"), "");
  EXPECT_EQ(TextOf("标签17"), "-");
}

TEST_F(BindingsTest, PositionCostButtonsRunTheirOperations) {
  Retype("编辑框_补仓1", "100");
  Retype("编辑框_补仓2", "10");
  Retype("编辑框_补仓3", "100");
  Retype("编辑框_补仓4", "8");
  Click("按钮3");
  EXPECT_EQ(TextOf("编辑框_总持仓"), "200");
  EXPECT_EQ(TextOf("编辑框_均价MY"), "9");

  Click("按钮2");
  EXPECT_EQ(TextOf("编辑框盈亏计算1"), "200");
  EXPECT_EQ(TextOf("编辑框盈亏计算2"), "9");

  Click("单选框5");
  EXPECT_EQ(TextOf("标签6"), "减仓成本计算");
  EXPECT_FALSE(Control<QRadioButton>("单选框4")->isChecked());
  Click("单选框4");
  EXPECT_EQ(TextOf("标签6"), "补仓加仓成本计算");

  Click("按钮4");
  EXPECT_EQ(TextOf("编辑框盈亏计算1"), "100");
  EXPECT_EQ(TextOf("编辑框盈亏计算2"), "10");

  Click("按钮5");
  EXPECT_EQ(TextOf("编辑框_补仓1"), "");
  EXPECT_EQ(TextOf("编辑框_均价MY"), "");
}

// Nothing of one window, not even the limit rate kept between calculations, reaches the next.
TEST_F(BindingsTest, AWindowBuiltLaterStartsFresh) {
  Retype("编辑框1涨跌停计算1", "10");
  Click("单选框2");
  Click("按钮1涨跌停计算1");
  Click("单选框5");

  MainWindow second;
  second.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
  auto control = [&second](const char* name) {
    return second.findChild<QWidget*>(QString::fromUtf8(name));
  };
  EXPECT_TRUE(qobject_cast<QRadioButton*>(control("单选框1"))->isChecked());
  EXPECT_TRUE(qobject_cast<QRadioButton*>(control("单选框4"))->isChecked());
  EXPECT_EQ(qobject_cast<Label*>(control("标签6"))->text(), "补仓加仓成本计算");
  EXPECT_EQ(qobject_cast<QLineEdit*>(control("编辑框3涨跌停计算3"))->text(), "");

  // With no rate button checked the calculation keeps the rate it has: none in a fresh window,
  // so the price stays; the first window's 20 % must not leak into it.
  auto* price = qobject_cast<QLineEdit*>(control("编辑框1涨跌停计算1"));
  price->setText("10");
  qobject_cast<QRadioButton*>(control("单选框1"))->setChecked(false);
  auto* calculate = control("按钮1涨跌停计算1");
  QTest::mouseClick(calculate, Qt::LeftButton, Qt::NoModifier, calculate->rect().center());
  EXPECT_EQ(qobject_cast<QLineEdit*>(control("编辑框3涨跌停计算3"))->text(), "10");
}

}  // namespace
}  // namespace shell
