#include <QApplication>
#include <QTest>

#include "shell/balloon_tip.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

constexpr char kExportDown[] = "向下导出到【补仓加仓成本计算】中";
constexpr char kExportUp[] = "向上导出到【盈亏计算】中";

class BalloonTipTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    balloon_ = Window().findChild<BalloonTip*>();
    ASSERT_NE(balloon_, nullptr);
    // Start with the pointer over a part of the window without tips.
    QTest::mouseMove(&Window(), QPoint(5, 5));
  }

  // Leaves the pointer where the next test's window has no tip, or that window would open with it
  // resting on a target.
  void TearDown() override {
    QTest::mouseMove(&Window(), QPoint(5, 5));
    WindowTest::TearDown();
  }

  void RestOn(const char* name) {
    auto* target = Control<QWidget>(name);
    QTest::mouseMove(target, target->rect().center());
  }

  // The balloon as the acceptance checks see it: a visible top-level widget with a text property.
  QString ShownText() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget != &Window() && widget->isVisible() && widget->property("text").isValid()) {
        return widget->property("text").toString();
      }
    }
    return {};
  }

  BalloonTip* balloon_ = nullptr;
};

TEST_F(BalloonTipTest, ShowsEachExportButtonsTipAfterThePointerRestsOnIt) {
  struct Case {
    const char* target;
    const char* text;
  };
  const Case cases[] = {{"按钮2向下导入", kExportDown}, {"按钮4", kExportUp}, {"按钮2", kExportUp}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    RestOn(c.target);
    QTest::qWait(300);
    EXPECT_TRUE(ShownText().isEmpty()) << "shown before 600 ms";
    QTest::qWait(700);
    EXPECT_EQ(ShownText().toStdString(), c.text);
    QTest::mouseMove(&Window(), QPoint(5, 5));
    EXPECT_TRUE(ShownText().isEmpty()) << "still shown after the pointer left";
  }
}

TEST_F(BalloonTipTest, IsATopLevelToolTipIn9PointSongBelowItsTarget) {
  RestOn("按钮4");
  ASSERT_TRUE(QTest::qWaitFor([this] { return balloon_->isVisible(); }, 1500));
  EXPECT_TRUE(balloon_->isWindow());
  EXPECT_EQ(balloon_->windowType(), Qt::ToolTip);
  EXPECT_EQ(balloon_->font().pointSize(), 9);
  EXPECT_EQ(balloon_->font().families().value(0), QString::fromUtf8("宋体"));
  const QWidget* target = Control<QWidget>("按钮4");
  const QRect targetOnScreen(target->mapToGlobal(QPoint(0, 0)), target->size());
  EXPECT_EQ(balloon_->geometry().top(), targetOnScreen.bottom() + 1);
  EXPECT_LE(balloon_->geometry().left(), targetOnScreen.center().x());
  EXPECT_GE(balloon_->geometry().right(), targetOnScreen.center().x());
  EXPECT_FALSE(balloon_->geometry().intersects(targetOnScreen));
}

TEST_F(BalloonTipTest, HidesThreeSecondsAfterShowing) {
  RestOn("按钮2");
  ASSERT_TRUE(QTest::qWaitFor([this] { return balloon_->isVisible(); }, 1500));
  QTest::qWait(2500);
  EXPECT_TRUE(balloon_->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([this] { return !balloon_->isVisible(); }, 1500));
}

TEST_F(BalloonTipTest, AClickOnTheTargetHidesIt) {
  RestOn("按钮2向下导入");
  ASSERT_TRUE(QTest::qWaitFor([this] { return balloon_->isVisible(); }, 1500));
  Click("按钮2向下导入");
  EXPECT_FALSE(balloon_->isVisible());
}

TEST_F(BalloonTipTest, ControlsWithoutATipShowNone) {
  for (const char* name : {"按钮3", "按钮1", "气球提示框3"}) {
    RestOn(name);
  }
  QTest::qWait(1000);
  EXPECT_TRUE(ShownText().isEmpty());
}

TEST_F(BalloonTipTest, EachWindowHasItsOwnBalloon) {
  MainWindow second;
  BalloonTip* secondBalloon = second.findChild<BalloonTip*>();
  ASSERT_NE(secondBalloon, nullptr);
  EXPECT_NE(secondBalloon, balloon_);
}

}  // namespace
}  // namespace shell
