// Numbers typed into the main window the way a user enters them: each calculate button takes the
// focus first, so the box being edited has been rewritten before the operation reads it.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

template <class Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

class WindowInputTest : public WindowTest {
 protected:
  // Clicks into the box, selects all it holds, deletes it and types the ASCII text.
  void Retype(const char* name, const char* text) {
    auto* box = Control<QLineEdit>(name);
    Click(name);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::fromLatin1(text));
  }

  void Paste(const char* name, const QString& text) {
    auto* box = Control<QLineEdit>(name);
    Click(name);
    QGuiApplication::clipboard()->setText(text);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  }

  // Opens the direction list and clicks the item.
  void PickDirection(int index) {
    auto* combo = Control<QComboBox>("组合框1");
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
  }
};

// ---- The limit price cases, typed ----

struct LimitCase {
  const char* name;
  const char* price;
  const char* count;
  int direction;  // 0 up, 1 down
  const char* rate;
  const char* output;
};

class LimitPriceTypedTest : public WindowInputTest,
                            public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitPriceTypedTest, ShowsTheFinalPrice) {
  const LimitCase& c = GetParam();
  Click(c.rate);
  if (c.direction != 0) {
    PickDirection(c.direction);
    ASSERT_EQ(TextOf("组合框1"), "跌");
  }
  Retype("编辑框1涨跌停计算1", c.price);
  Retype("编辑框2涨跌停计算2", c.count);
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), c.output);
}

constexpr const char* k10 = "单选框1";
constexpr const char* k20 = "单选框2";
constexpr const char* k5 = "单选框3";

INSTANTIATE_TEST_SUITE_P(
    Table, LimitPriceTypedTest,
    ::testing::Values(LimitCase{"up_10_once", "10", "1", 0, k10, "11"},
                      LimitCase{"up_10_twice", "10", "2", 0, k10, "12.1"},
                      LimitCase{"up_10_05_rounded_once", "10.05", "2", 0, k10, "12.16"},
                      LimitCase{"up_9_99_twice", "9.99", "2", 0, k10, "12.09"},
                      LimitCase{"down_20_three_times", "20", "3", 1, k10, "14.58"},
                      LimitCase{"down_100_ten_times", "100", "10", 1, k10, "34.87"},
                      LimitCase{"up_20_percent", "10", "3", 0, k20, "17.28"},
                      LimitCase{"up_15_5_at_20_percent", "15.5", "3", 0, k20, "26.78"},
                      LimitCase{"down_5_percent", "10", "1", 1, k5, "9.5"},
                      LimitCase{"count_0", "10", "0", 0, k10, "0"},
                      LimitCase{"count_negative", "10", "-2", 0, k10, "0"},
                      LimitCase{"price_empty", "", "3", 0, k10, "0"},
                      LimitCase{"price_0", "0", "1", 0, k10, "0"},
                      LimitCase{"overflow_to_infinity", "10", "8000", 0, k10, "1.#INF"}),
    RowName<LimitCase>);

// ---- The click rewrites the box before the operation reads it ----

TEST_F(WindowInputTest, TypedZeroIsEmptyWhenTheCalculationReadsIt) {
  Retype("编辑框1涨跌停计算1", "10");
  Retype("编辑框2涨跌停计算2", "0");
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框2涨跌停计算2"), "");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "0");

  // Without the rewrite a quantity of 0 would give a capital of "0" and a profit of "0".
  Retype("编辑框盈亏计算2", "10");
  Retype("编辑框盈亏计算4", "11");
  Retype("编辑框盈亏计算1", "0");
  Click("按钮3盈亏计算");
  EXPECT_EQ(TextOf("编辑框盈亏计算1"), "");
  EXPECT_EQ(TextOf("标签17"), "-");
  EXPECT_EQ(TextOf("标签18"), "-");
  EXPECT_EQ(TextOf("标签20"), "10");
}

TEST_F(WindowInputTest, TypedZeroTargetGivesPlaceholders) {
  Retype("编辑框盈亏计算1", "100");
  Retype("编辑框盈亏计算2", "10");
  Retype("编辑框盈亏计算4", "0");
  Click("按钮3盈亏计算");
  EXPECT_EQ(TextOf("编辑框盈亏计算4"), "");
  EXPECT_EQ(TextOf("标签17"), "1,000");
  EXPECT_EQ(TextOf("标签18"), "-");
  EXPECT_EQ(TextOf("标签20"), "-");
}

// The calculation would fold full-width digits and read 10; the rewrite does not, so the price
// arrives empty.
TEST_F(WindowInputTest, PastedFullWidthPriceArrivesEmpty) {
  Paste("编辑框1涨跌停计算1", QString::fromUtf8("１０"));
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框1涨跌停计算1"), "");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "0");
}

TEST_F(WindowInputTest, RadioClickAlsoRewritesFirst) {
  Retype("编辑框_补仓1", "007");
  Click("单选框5");
  EXPECT_EQ(TextOf("编辑框_补仓1"), "7");
}

TEST_F(WindowInputTest, TabRewritesTheBoxItLeaves) {
  Retype("编辑框盈亏计算2", "1.50");
  QTest::keyClick(Window().windowHandle(), Qt::Key_Tab);
  EXPECT_EQ(TextOf("编辑框盈亏计算2"), "1.5");
}

TEST_F(WindowInputTest, TenMegabytePriceIsRewrittenAndCalculatedWith) {
  const qsizetype size = 10 * 1024 * 1024;
  Paste("编辑框1涨跌停计算1", QStringLiteral("10.") + QString(size - 3, u'0'));
  ASSERT_EQ(Control<QLineEdit>("编辑框1涨跌停计算1")->text().size(), size);
  Click("按钮1涨跌停计算1");
  EXPECT_EQ(TextOf("编辑框1涨跌停计算1"), "10");
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "11");
}

}  // namespace
}  // namespace shell
