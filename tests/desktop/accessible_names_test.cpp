#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>

#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

struct Named {
  const char* control;
  const char* name;
};

// What a screen reader says for each control that takes or shows a value, or does something.
constexpr Named kAddModeNames[] = {
    {"单选框1", "10%涨跌幅"},
    {"单选框2", "20%涨跌幅"},
    {"单选框3", "5%涨跌幅"},
    {"编辑框1涨跌停计算1", "股票价格"},
    {"组合框1", "涨/跌"},
    {"编辑框2涨跌停计算2", "几个涨跌停"},
    {"编辑框3涨跌停计算3", "最终价格"},
    {"按钮1涨跌停计算1", "计算涨停跌停价格"},
    {"编辑框盈亏计算1", "持仓数量"},
    {"编辑框盈亏计算2", "持仓成本"},
    {"按钮2互换", "互换持仓成本和目标价格"},
    {"编辑框盈亏计算4", "目标价格"},
    {"标签17", "占用资金"},
    {"标签18", "资金盈亏数(利润)"},
    {"标签20", "涨跌幅"},
    {"按钮3盈亏计算", "计算盈亏"},
    {"按钮2向下导入", "下导出到补仓加仓成本计算"},
    {"按钮1", "清空盈亏计算"},
    {"单选框4", "加仓"},
    {"单选框5", "减仓"},
    {"编辑框_补仓1", "持仓数量"},
    {"编辑框_补仓2", "持仓成本"},
    {"编辑框_补仓3", "加/补仓数量"},
    {"编辑框_补仓4", "加/补仓价格"},
    {"按钮4", "上导出持仓到盈亏计算"},
    {"编辑框_总持仓", "总持股数量"},
    {"编辑框_均价MY", "加/补仓后成本"},
    {"按钮3", "计算补仓加仓成本"},
    {"按钮5", "清空补仓加仓成本计算"},
    {"按钮2", "上导出结果到盈亏计算"},
};

// The boxes whose captions change in reduce mode.
constexpr Named kReduceModeNames[] = {
    {"编辑框_补仓3", "减仓数量"},
    {"编辑框_补仓4", "减仓价格"},
    {"编辑框_均价MY", "减仓后成本"},
};

class AccessibleNamesTest : public WindowTest {
 protected:
  std::string AccessibleName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr) {
      ADD_FAILURE() << control->objectName().toStdString() << " has no accessible interface";
      return {};
    }
    return accessible->text(QAccessible::Name).toStdString();
  }

  std::string AccessibleValue(const char* control) {
    return QAccessible::queryAccessibleInterface(Control<QWidget>(control))
        ->text(QAccessible::Value)
        .toStdString();
  }

  void ExpectNames(std::span<const Named> names) {
    for (const auto& [control, name] : names) {
      EXPECT_EQ(AccessibleName(Control<QWidget>(control)), name) << control;
    }
  }
};

TEST_F(AccessibleNamesTest, EveryValueAndActionIsNamed) {
  ExpectNames(kAddModeNames);
}

TEST_F(AccessibleNamesTest, NoEditBoxButtonOrComboBoxIsLeftOut) {
  QSet<QString> named;
  for (const auto& entry : kAddModeNames) {
    named.insert(QString::fromUtf8(entry.control));
  }
  for (QWidget* control : Window().findChildren<QWidget*>()) {
    // The combo box's own text field is part of the combo box, named with it.
    const bool editBox = qobject_cast<QLineEdit*>(control) != nullptr &&
                         qobject_cast<QComboBox*>(control->parentWidget()) == nullptr;
    if (editBox || qobject_cast<QAbstractButton*>(control) != nullptr ||
        qobject_cast<QComboBox*>(control) != nullptr) {
      EXPECT_TRUE(named.contains(control->objectName()))
          << "no expected name for " << control->objectName().toStdString();
    }
  }
}

// A screen reader user tells the buttons apart by their names alone.
TEST_F(AccessibleNamesTest, ButtonNamesAreDistinct) {
  QSet<std::string> seen;
  for (auto* button : Window().findChildren<QAbstractButton*>()) {
    const std::string name = AccessibleName(button);
    EXPECT_FALSE(seen.contains(name)) << "two buttons are called " << name;
    seen.insert(name);
  }
}

TEST_F(AccessibleNamesTest, NamesFollowTheCaptionsOfTheMode) {
  Click("单选框5");
  ExpectNames(kReduceModeNames);
  Click("单选框4");
  ExpectNames(kAddModeNames);
}

// A screen reader reads an output label's name, then what it shows; a caption is read as it is.
TEST_F(AccessibleNamesTest, LabelsReadOutWhatTheyShow) {
  TypeText("编辑框盈亏计算1", "1000");
  TypeText("编辑框盈亏计算2", "10");
  TypeText("编辑框盈亏计算4", "12.5");
  Click("按钮3盈亏计算");
  for (const char* output : {"标签17", "标签18", "标签20"}) {
    EXPECT_NE(TextOf(output), "-") << output;
    EXPECT_EQ(AccessibleValue(output), TextOf(output)) << output;
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(Control<QWidget>(output))->textInterface();
    ASSERT_NE(text, nullptr) << output;
    EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), TextOf(output)) << output;
  }
  EXPECT_EQ(AccessibleName(Control<QWidget>("标签14")), "占用资金");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Control<QWidget>("标签17"))->role(),
            QAccessible::StaticText);
}

TEST_F(AccessibleNamesTest, ComboBoxGivesItsTextAsValue) {
  QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(Control<QWidget>("组合框1"));
  EXPECT_EQ(combo->role(), QAccessible::ComboBox);
  EXPECT_EQ(AccessibleValue("组合框1"), "涨");
  EXPECT_TRUE(combo->actionInterface()->actionNames().contains(
      QAccessibleActionInterface::showMenuAction()));
}

// Radio boxes keep their groups themselves; a screen reader still has to hear radio buttons, and
// which of them is checked.
TEST_F(AccessibleNamesTest, RadioBoxesAreRadioButtons) {
  Click("单选框2");
  for (const auto& [name, checked] : {std::pair{"单选框1", false}, std::pair{"单选框2", true},
                                      std::pair{"单选框4", true}, std::pair{"单选框5", false}}) {
    QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(Control<QWidget>(name));
    EXPECT_EQ(radio->role(), QAccessible::RadioButton) << name;
    EXPECT_EQ(radio->state().checked, checked) << name;
  }
}

TEST_F(AccessibleNamesTest, PressingARadioBoxClicksIt) {
  QAccessible::queryAccessibleInterface(Control<QWidget>("单选框5"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(Control<QAbstractButton>("单选框5")->isChecked());
  EXPECT_EQ(TextOf("标签_补仓3"), "减仓数量");
}

}  // namespace
}  // namespace shell
