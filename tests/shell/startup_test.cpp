#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cfenv>
#include <stdexcept>
#include <vector>

#include "shell/layout.h"
#include "shell/platform_fpu.h"
#include "shell/startup.h"

namespace shell {
namespace {

// Start-up seams that record the fatal errors instead of waiting for the user to close a box.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    seams_.reportFatalError = [this](const QString& message) {
      errors_.push_back(message.toStdString());
    };
    seams_.runEventLoop = [] { return 0; };
  }

  StartupSeams seams_;
  std::vector<std::string> errors_;
};

TEST_F(StartupTest, AnUnreadableLayoutIsReportedBeforeAnyWindowIsBuilt) {
  int windowsBuilt = 0;
  seams_.layoutReadable = [] { return false; };
  seams_.buildWindow = [&windowsBuilt] {
    ++windowsBuilt;
    return std::make_unique<MainWindow>();
  };
  EXPECT_EQ(RunWithApplication(seams_), -1);
  EXPECT_EQ(errors_, std::vector<std::string>{"载入窗口模板数据段出错!"});
  EXPECT_EQ(windowsBuilt, 0);
}

TEST_F(StartupTest, AWindowThatCannotBeBuiltIsReported) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<MainWindow>()> build;
  };
  const Case cases[] = {
      {"construction throws",
       []() -> std::unique_ptr<MainWindow> { throw std::runtime_error("no memory for it"); }},
      {"a control is missing",
       [] {
         auto window = std::make_unique<MainWindow>();
         delete window->findChild<QWidget*>("标签_均价MY");
         return window;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    errors_.clear();
    bool loopRan = false;
    seams_.buildWindow = c.build;
    seams_.runEventLoop = [&loopRan] {
      loopRan = true;
      return 0;
    };
    EXPECT_EQ(RunWithApplication(seams_), -1);
    EXPECT_EQ(errors_, std::vector<std::string>{"载入启动窗口失败"});
    EXPECT_FALSE(loopRan);
  }
}

TEST_F(StartupTest, ShowsTheWindowCentredAndReturnsTheLoopsExitCode) {
  bool shownCentred = false;
  seams_.runEventLoop = [&shownCentred] {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<MainWindow*>(widget)) {
        shownCentred = window->isVisible() &&
                       window->pos() == QPoint((screen.width() - 459) / 2 + screen.x(),
                                               (screen.height() - 563) / 2 + screen.y());
      }
    }
    return 0;
  };
  EXPECT_EQ(RunWithApplication(seams_), 0);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(shownCentred);
}

TEST_F(StartupTest, ResetsTheFloatingPointEnvironmentBeforeBuildingTheWindow) {
  std::fesetround(FE_UPWARD);
  int roundingSeenByWindow = -1;
  seams_.buildWindow = [&roundingSeenByWindow] {
    roundingSeenByWindow = std::fegetround();
    return std::make_unique<MainWindow>();
  };
  EXPECT_EQ(RunWithApplication(seams_), 0);
  EXPECT_EQ(roundingSeenByWindow, FE_TONEAREST);
}

TEST(FloatingPointEnvironmentTest, ResetRoundsToNearestWithEveryExceptionMasked) {
  std::fesetround(FE_TOWARDZERO);
#ifdef __GLIBC__
  feenableexcept(FE_DIVBYZERO | FE_INVALID);
#endif
  ResetFloatingPointEnvironment();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
#ifdef __GLIBC__
  EXPECT_EQ(fegetexcept(), 0);
#endif
  volatile double zero = 0.0;
  EXPECT_EQ(1.0 / zero, std::numeric_limits<double>::infinity());
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
TEST(FloatingPointEnvironmentTest, ResetGivesX87IntermediatesA64BitSignificand) {
  constexpr unsigned short kPrecisionBits = 0x0300;
  unsigned short control = 0x027F;  // double precision, all masked
  asm volatile("fldcw %0" : : "m"(control));
  ResetFloatingPointEnvironment();
  asm volatile("fnstcw %0" : "=m"(control));
  EXPECT_EQ(control & kPrecisionBits, kPrecisionBits);
  EXPECT_EQ(control & 0x3F, 0x3F) << "every x87 exception masked";
}
#endif

TEST(LayoutCheckTest, TheStoredLayoutCanBeBuilt) {
  EXPECT_EQ(FindLayoutError(Layout()), std::nullopt);
}

TEST(LayoutCheckTest, FindsWhatMakesALayoutUnusable) {
  struct Case {
    const char* name;
    std::vector<ControlSpec> rows;
    const char* error;  // nullptr: usable
  };
  const ControlSpec frame{"frame", Kind::GroupBox, kWindow, {8, 8}, {100, 50}, ""};
  const ControlSpec label{"label", Kind::Label, kWindow, {8, 8}, {40, 20}, "x"};
  const Case cases[] = {
      {"a control in an earlier frame",
       {frame, {"inside", Kind::Button, "frame", {1, 1}, {10, 10}, ""}},
       nullptr},
      {"a name twice", {label, label}, "label is named twice"},
      {"an empty name", {{"", Kind::Label, kWindow, {0, 0}, {1, 1}, ""}}, "without a name"},
      {"an unknown parent",
       {{"orphan", Kind::Label, "nowhere", {0, 0}, {1, 1}, ""}},
       "orphan lies in nowhere"},
      {"a parent that is no frame",
       {label, {"inside", Kind::Button, "label", {1, 1}, {10, 10}, ""}},
       "inside lies in label"},
      {"a frame built after its child",
       {{"inside", Kind::Button, "frame", {1, 1}, {10, 10}, ""}, frame},
       "inside lies in frame"},
      {"no width", {{"flat", Kind::Label, kWindow, {0, 0}, {0, 10}, ""}}, "flat has an empty"},
      {"negative height",
       {{"flat", Kind::Label, kWindow, {0, 0}, {10, -1}, ""}},
       "flat has an empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::string> error = FindLayoutError(c.rows);
    if (c.error == nullptr) {
      EXPECT_EQ(error, std::nullopt);
    } else {
      ASSERT_TRUE(error.has_value());
      EXPECT_NE(error->find(c.error), std::string::npos) << *error;
    }
  }
}

}  // namespace
}  // namespace shell
