#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "shell/layout.h"
#include "shell/widget_properties.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

class ComboBoxTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    properties_.emplace(Window(), Layout());
    combo_ = Control<QComboBox>("组合框1");
  }

  int SelectedIndex() { return properties_->SelectedIndex("组合框1"); }

  // Replaces the text field's text by typing, one key event per character.
  void TypeInto(const QString& text) {
    QLineEdit* field = combo_->lineEdit();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void PickFromList(int row) {
    combo_->showPopup();
    QAbstractItemView* list = combo_->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QPoint item = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item);
  }

  std::optional<WidgetProperties> properties_;
  QComboBox* combo_ = nullptr;
};

TEST_F(ComboBoxTest, StartsWithRiseSelectedAndIsNoTabStop) {
  EXPECT_EQ(SelectedIndex(), 0);
  EXPECT_EQ(combo_->itemText(0), "涨");
  EXPECT_EQ(combo_->itemText(1), "跌");
  EXPECT_EQ(combo_->focusPolicy(), Qt::ClickFocus);
}

TEST_F(ComboBoxTest, TypingAnItemsTextSelectsNothingEvenAfterLeavingTheBox) {
  TypeInto("跌");
  EXPECT_EQ(SelectedIndex(), -1);
  Click("编辑框1涨跌停计算1");
  EXPECT_EQ(TextOf("组合框1"), "跌");
  EXPECT_EQ(SelectedIndex(), -1);

  TypeInto("涨");
  QTest::keyClick(combo_->lineEdit(), Qt::Key_Return);
  Click("编辑框1涨跌停计算1");
  EXPECT_EQ(TextOf("组合框1"), "涨");
  EXPECT_EQ(SelectedIndex(), -1);
  EXPECT_EQ(combo_->count(), 2);
}

TEST_F(ComboBoxTest, PickingFromTheListSelectsTheItem) {
  TypeInto("x");
  PickFromList(1);
  EXPECT_EQ(TextOf("组合框1"), "跌");
  EXPECT_EQ(SelectedIndex(), 1);

  TypeInto("涨");
  PickFromList(0);
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(ComboBoxTest, ArrowKeysOnTheBoxPickTheNextItem) {
  TypeInto("跌");
  QTest::keyClick(combo_, Qt::Key_Down);
  EXPECT_EQ(SelectedIndex(), 1);
  QTest::keyClick(combo_, Qt::Key_Up);
  EXPECT_EQ(SelectedIndex(), 0);
}

}  // namespace
}  // namespace shell
