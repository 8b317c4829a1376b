// The keys of the main window, pressed through the window as the platform delivers them: Esc,
// Tab and Shift+Tab, the arrow keys on radio buttons and Enter.
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <array>
#include <string>

#include "shell/startup.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

constexpr std::array<const char*, 26> kExpectedTabOrder = {
    "编辑框1涨跌停计算1",
    "编辑框2涨跌停计算2",
    "编辑框3涨跌停计算3",
    "按钮1涨跌停计算1",
    "单选框1",
    "单选框2",
    "单选框3",
    "编辑框盈亏计算1",
    "编辑框盈亏计算2",
    "编辑框盈亏计算4",
    "按钮3盈亏计算",
    "按钮1",
    "按钮3",
    "编辑框_均价MY",
    "编辑框_总持仓",
    "编辑框_补仓4",
    "编辑框_补仓3",
    "编辑框_补仓2",
    "编辑框_补仓1",
    "按钮2互换",
    "按钮2向下导入",
    "按钮4",
    "按钮2",
    "单选框4",
    "单选框5",
    "按钮5",
};

constexpr std::array<const char*, 4> kWindowRadios = {"单选框1", "单选框2", "单选框3", "单选框5"};

template <class Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

// Counts the close events the window accepts.
class CloseCounter : public QObject {
 public:
  int accepted = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close && event->isAccepted()) {
      ++accepted;
    }
    return false;
  }
};

class KeyboardTest : public WindowTest {
 protected:
  // A key pressed and released on the window, reaching whatever control has the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Window().windowHandle(), key, modifiers);
  }

  // The layout name of the control with the focus; the combo box for its inner line edit.
  static std::string FocusName() {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
      if (!widget->objectName().isEmpty()) {
        return widget->objectName().toStdString();
      }
    }
    return "(no focus)";
  }

  void Focus(const char* name) { Control<QWidget>(name)->setFocus(Qt::OtherFocusReason); }

  // Clicks into the control, into the text field for the combo box (a click on its middle could
  // open the list), and types the ASCII text.
  void ClickAndType(const char* name, const char* text) {
    QWidget* target = Control<QWidget>(name);
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
      target = combo->lineEdit();
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    QTest::keyClicks(target, QString::fromLatin1(text));
  }
};

TEST_F(KeyboardTest, FocusStartsInThePriceBox) {
  EXPECT_EQ(FocusName(), "编辑框1涨跌停计算1");
}

// ---- Tab and Shift+Tab ----

TEST_F(KeyboardTest, TabVisitsEveryStopInOrderAndWrapsRound) {
  ASSERT_EQ(FocusName(), kExpectedTabOrder[0]);
  for (size_t presses = 1; presses <= kExpectedTabOrder.size(); ++presses) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), kExpectedTabOrder[presses % kExpectedTabOrder.size()])
        << "after " << presses << " Tabs";
  }
}

TEST_F(KeyboardTest, ShiftTabVisitsEveryStopBackwardsAndWrapsRound) {
  ASSERT_EQ(FocusName(), kExpectedTabOrder[0]);
  const size_t count = kExpectedTabOrder.size();
  for (size_t presses = 1; presses <= count; ++presses) {
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), kExpectedTabOrder[(count - presses) % count])
        << "after " << presses << " Shift+Tabs";
  }
}

TEST_F(KeyboardTest, TabWithShiftHeldGoesBackToo) {
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "按钮5");
}

// The unchecked radio buttons and the read-only boxes are stops like any other.
TEST_F(KeyboardTest, UncheckedRadiosAndReadOnlyBoxesAreStops) {
  Focus("按钮1涨跌停计算1");
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "单选框2");
  ASSERT_FALSE(Control<QRadioButton>("单选框2")->isChecked());
  Focus("按钮3");
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "编辑框_均价MY");
}

TEST_F(KeyboardTest, HiddenAndDisabledStopsArePassedOver) {
  Control<QWidget>("编辑框2涨跌停计算2")->hide();
  Control<QWidget>("编辑框3涨跌停计算3")->setEnabled(false);
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "按钮1涨跌停计算1");
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "编辑框1涨跌停计算1");
}

// The combo box is no stop; Tab goes on from its place between the price and the count box.
TEST_F(KeyboardTest, TabFromTheComboBoxGoesOnFromItsPlace) {
  ClickAndType("组合框1", "");
  ASSERT_EQ(FocusName(), "组合框1");
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "编辑框2涨跌停计算2");
  ClickAndType("组合框1", "");
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "编辑框1涨跌停计算1");
}

TEST_F(KeyboardTest, TabIntoAnEditBoxSelectsItsText) {
  Press(Qt::Key_Tab);
  auto* count = Control<QLineEdit>("编辑框2涨跌停计算2");
  ASSERT_EQ(FocusName(), "编辑框2涨跌停计算2");
  EXPECT_EQ(count->selectedText(), "1");
}

// ---- Esc ----

struct EscCase {
  const char* name;
  const char* focus;  // clicked first
  const char* typed;  // then typed, ASCII
};

class EscTest : public KeyboardTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscTest, ClosesTheWindowAtOnce) {
  CloseCounter closes;
  Window().installEventFilter(&closes);
  ClickAndType(GetParam().focus, GetParam().typed);
  ASSERT_EQ(FocusName(), GetParam().focus);

  Press(Qt::Key_Escape);

  EXPECT_EQ(closes.accepted, 1);
  EXPECT_FALSE(Window().isVisible());
  Window().removeEventFilter(&closes);
}

INSTANTIATE_TEST_SUITE_P(Controls, EscTest,
                         ::testing::Values(EscCase{"typing_in_the_price_box", "编辑框1涨跌停计算1",
                                                   "12.5"},
                                           EscCase{"typing_in_the_combo_box", "组合框1", "x"},
                                           EscCase{"on_a_read_only_box", "编辑框_均价MY", ""},
                                           EscCase{"on_a_button", "按钮1涨跌停计算1", ""},
                                           EscCase{"on_a_radio_button", "单选框3", ""}),
                         RowName<EscCase>);

// The whole program: Esc pressed while typing ends the real event loop, with exit code 0.
TEST(EscExitTest, EscWhileTypingEndsTheProgramWithCodeZero) {
  bool escPressed = false;
  QTimer::singleShot(0, [&escPressed] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<MainWindow*>(widget);
      if (window == nullptr || !QTest::qWaitForWindowActive(window)) {
        continue;
      }
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
      QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
      escPressed = true;
    }
  });
  // Should Esc fail to close the window, this ends the loop with another code.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watchdog.start(10000);

  StartupSeams seams;
  seams.reportFatalError = [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
  EXPECT_EQ(RunWithApplication(seams), 0);
  EXPECT_TRUE(escPressed);
}

// ---- Arrow keys on radio buttons ----

struct ArrowCase {
  const char* name;
  const char* from;
  Qt::Key key;
  const char* to;
};

class ArrowTest : public KeyboardTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowTest, MovesTheCheckAndRaisesTheClick) {
  const ArrowCase& c = GetParam();
  Click(c.from);
  ASSERT_EQ(FocusName(), c.from);
  auto* target = Control<QRadioButton>(c.to);
  QSignalSpy targetClicks(target, &QAbstractButton::clicked);
  QSignalSpy sourceClicks(Control<QRadioButton>(c.from), &QAbstractButton::clicked);

  Press(c.key);

  EXPECT_EQ(FocusName(), c.to);
  EXPECT_EQ(targetClicks.count(), 1);
  EXPECT_EQ(sourceClicks.count(), 0);
  for (const char* radio : kWindowRadios) {
    EXPECT_EQ(Control<QRadioButton>(radio)->isChecked(), radio == std::string(c.to)) << radio;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ArrowTest,
    ::testing::Values(ArrowCase{"right_10_to_20", "单选框1", Qt::Key_Right, "单选框2"},
                      ArrowCase{"down_20_to_5", "单选框2", Qt::Key_Down, "单选框3"},
                      ArrowCase{"right_5_to_reduce", "单选框3", Qt::Key_Right, "单选框5"},
                      ArrowCase{"down_reduce_wraps_to_10", "单选框5", Qt::Key_Down, "单选框1"},
                      ArrowCase{"left_10_wraps_to_reduce", "单选框1", Qt::Key_Left, "单选框5"},
                      ArrowCase{"up_reduce_to_5", "单选框5", Qt::Key_Up, "单选框3"},
                      ArrowCase{"left_20_to_10", "单选框2", Qt::Key_Left, "单选框1"}),
    RowName<ArrowCase>);

TEST_F(KeyboardTest, ArrowMovingTheCheckRunsTheBoundOperation) {
  Click("单选框3");
  Press(Qt::Key_Right);  // to 减仓: the position cost calculator switches to reduce mode
  EXPECT_FALSE(Control<QRadioButton>("单选框4")->isChecked());
  const std::string reduceTitle = TextOf("标签6");
  Press(Qt::Key_Right);  // back to 10 %
  Click("单选框4");
  EXPECT_NE(TextOf("标签6"), reduceTitle);
}

TEST_F(KeyboardTest, ArrowsLeaveTheLoneAddModeButtonAsItIs) {
  Click("单选框4");
  ASSERT_EQ(FocusName(), "单选框4");
  std::vector<std::unique_ptr<QSignalSpy>> clicks;
  for (const char* radio : {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"}) {
    clicks.push_back(
        std::make_unique<QSignalSpy>(Control<QRadioButton>(radio), &QAbstractButton::clicked));
  }
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
    Press(key);
    EXPECT_EQ(FocusName(), "单选框4") << "after key " << key;
  }
  EXPECT_TRUE(Control<QRadioButton>("单选框4")->isChecked());
  EXPECT_TRUE(Control<QRadioButton>("单选框1")->isChecked());
  for (const auto& spy : clicks) {
    EXPECT_EQ(spy->count(), 0);
  }
}

// ---- Enter ----

TEST_F(KeyboardTest, EnterPressesNoButton) {
  TypeText("编辑框1涨跌停计算1", "10");
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "按钮1涨跌停计算1");

  Press(Qt::Key_Return);
  Press(Qt::Key_Enter);
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "");
  EXPECT_EQ(FocusName(), "按钮1涨跌停计算1");

  Press(Qt::Key_Space);  // the button does answer the keyboard
  EXPECT_EQ(TextOf("编辑框3涨跌停计算3"), "11");
}

TEST_F(KeyboardTest, EnterInAnEditBoxNeitherMovesTheFocusNorRewrites) {
  TypeText("编辑框盈亏计算1", "007");
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter);
  EXPECT_EQ(FocusName(), "编辑框盈亏计算1");
  EXPECT_EQ(TextOf("编辑框盈亏计算1"), "007");
}

// Qt's combo box picks the item that matches its text on Return; typed text must never pick.
TEST_F(KeyboardTest, EnterInTheComboBoxPicksNothing) {
  auto* combo = Control<QComboBox>("组合框1");
  ClickAndType("组合框1", "");
  combo->lineEdit()->selectAll();
  QInputMethodEvent typed;
  typed.setCommitString(QString::fromUtf8("跌"));
  QCoreApplication::sendEvent(combo->lineEdit(), &typed);
  ASSERT_EQ(TextOf("组合框1"), "跌");
  QSignalSpy activated(combo, &QComboBox::activated);

  Press(Qt::Key_Return);
  Press(Qt::Key_Enter);

  EXPECT_EQ(activated.count(), 0);
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(FocusName(), "组合框1");
}

}  // namespace
}  // namespace shell
