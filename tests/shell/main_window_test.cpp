#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <map>

#include "shell/colour.h"
#include "shell/label.h"
#include "shell/layout.h"
#include "shell/tip_provider.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

// The class each kind must be, as the acceptance checks look for it.
const std::map<Kind, const char*> kClassOfKind = {
    {Kind::GroupBox, "QGroupBox"},
    {Kind::Label, "shell::Label"},
    {Kind::EditBox, "QLineEdit"},
    {Kind::Button, "QPushButton"},
    {Kind::RadioBox, "QRadioButton"},
    {Kind::ComboBox, "QComboBox"},
    {Kind::TipProvider, "shell::TipProvider"},
};

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

TEST_F(WindowTest, EveryControlOfTheLayoutIsBuiltOnceWithItsKindParentAndPlace) {
  ASSERT_EQ(Layout().size(), 59u);
  for (const ControlSpec& row : Layout()) {
    SCOPED_TRACE(row.name);
    const QList<QWidget*> found = Window().findChildren<QWidget*>(Utf8(row.name));
    ASSERT_EQ(found.size(), 1);
    QWidget* control = found.front();
    EXPECT_TRUE(control->inherits(kClassOfKind.at(row.kind))) << control->metaObject()->className();
    const QString parent = *row.parent == '\0' ? QString() : Utf8(row.parent);
    EXPECT_EQ(
        control->parentWidget() == &Window() ? QString() : control->parentWidget()->objectName(),
        parent);
    EXPECT_EQ(control->geometry(),
              QRect(row.place.x, row.place.y, row.size.width, row.size.height));
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(control->isEnabled());
  }
}

TEST_F(WindowTest, ControlsStartWithTheirTextsAndStates) {
  for (const ControlSpec& row : Layout()) {
    SCOPED_TRACE(row.name);
    auto* control = Control<QWidget>(row.name);
    switch (row.kind) {
      case Kind::EditBox:
      case Kind::Label:
      case Kind::Button:
        EXPECT_EQ(TextOf(row.name), row.text);
        break;
      case Kind::RadioBox:
        EXPECT_EQ(TextOf(row.name), row.text);
        EXPECT_EQ(qobject_cast<QRadioButton*>(control)->isChecked(), row.options.checked);
        break;
      case Kind::ComboBox: {
        auto* combo = qobject_cast<QComboBox*>(control);
        EXPECT_EQ(TextOf(row.name), row.text);
        EXPECT_EQ(combo->currentIndex(), 0);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->count(), static_cast<int>(row.options.items.size()));
        break;
      }
      case Kind::GroupBox:
        EXPECT_TRUE(qobject_cast<QGroupBox*>(control)->title().isEmpty());
        break;
      case Kind::TipProvider:
        break;
    }
  }
}

TEST_F(WindowTest, LabelsHaveTheirColours) {
  for (const ControlSpec& row : Layout()) {
    if (row.kind != Kind::Label) {
      continue;
    }
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Control<Label>(row.name)->textColor(), ToQColor(row.options.textColour));
  }
}

TEST_F(WindowTest, TwoRateButtonsAndAddModeStartChecked) {
  EXPECT_TRUE(Control<QRadioButton>("单选框1")->isChecked());
  EXPECT_TRUE(Control<QRadioButton>("单选框4")->isChecked());
  EXPECT_FALSE(Control<QRadioButton>("单选框5")->isChecked());
}

// Fonts are asked for by face and pixel height; whatever face is installed in their place has to
// show Chinese.
TEST_F(WindowTest, FontsAreAskedForByFaceAndHeightAndShowChinese) {
  struct Case {
    const char* control;
    const char* face;  // nullptr: the platform's choice
    int pixels;
  };
  const Case cases[] = {
      {"标签9", "微软雅黑", 16},  {"标签21", "微软雅黑", 14}, {"标签18", "微软雅黑", 13},
      {"标签17", "微软雅黑", 12}, {"按钮4", "微软雅黑", 10},  {"编辑框_补仓1", "宋体", 12},
      {"单选框1", "宋体", 12},    {"标签1", "宋体", 12},      {"标签10", nullptr, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const QFont font = Control<QWidget>(c.control)->font();
    EXPECT_EQ(font.pixelSize(), c.pixels);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
    if (c.face != nullptr) {
      EXPECT_EQ(font.families().value(0), Utf8(c.face));
      const QString shown = QFontInfo(font).family();
      EXPECT_TRUE(QFontDatabase::writingSystems(shown).contains(QFontDatabase::SimplifiedChinese))
          << shown.toStdString();
    } else {
      EXPECT_NE(font.families().value(0), Utf8("微软雅黑"));
    }
  }
}

// The frames lie beneath the controls drawn over them: a click on any control reaches it.
TEST_F(WindowTest, FramesLieBeneathEveryOtherControl) {
  for (const ControlSpec& row : Layout()) {
    if (row.kind == Kind::GroupBox || row.kind == Kind::TipProvider) {
      continue;
    }
    SCOPED_TRACE(row.name);
    auto* control = Control<QWidget>(row.name);
    QWidget* hit = Window().childAt(control->mapTo(&Window(), control->rect().center()));
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == control || control->isAncestorOf(hit)) << hit->objectName().toStdString();
  }
}

TEST_F(WindowTest, TipProvidersAreInvisibleToUser) {
  for (const char* name : {"气球提示框1", "气球提示框2", "气球提示框3"}) {
    SCOPED_TRACE(name);
    auto* provider = Control<TipProvider>(name);
    EXPECT_TRUE(provider->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(provider->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(provider->autoFillBackground());
  }
}

TEST_F(WindowTest, NoButtonIsADefaultButton) {
  for (QPushButton* button : Window().findChildren<QPushButton*>()) {
    SCOPED_TRACE(button->objectName().toStdString());
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
}

TEST_F(WindowTest, ClientAreaHasFixedSize) {
  EXPECT_EQ(Window().size(), QSize(453, 535));
  EXPECT_EQ(Window().minimumSize(), QSize(453, 535));
  EXPECT_EQ(Window().maximumSize(), QSize(453, 535));
}

TEST_F(WindowTest, TitleBarOffersMinimiseAndCloseButNoMaximise) {
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(WindowTest, TitleIsFollowedDirectlyByAForumDomain) {
  const QString prefix = Utf8("Parvellv0.7.3（By Tesmor）");
  const QString title = Window().windowTitle();
  ASSERT_TRUE(title.startsWith(prefix)) << title.toStdString();
  const QString domain = title.mid(prefix.size());
  EXPECT_FALSE(domain.isEmpty());
  EXPECT_FALSE(domain.front().isSpace());
  EXPECT_TRUE(domain.endsWith(".example")) << domain.toStdString();
}

TEST_F(WindowTest, IconHasThreeImages) {
  const QList<QSize> sizes = Window().windowIcon().availableSizes();
  for (int side : {64, 48, 32}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  }
}

TEST_F(WindowTest, CentresItsOuterSizeOnThePrimaryScreen) {
  Window().CenterOnScreen();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QPoint expected(screen.x() + (screen.width() - 459) / 2,
                        screen.y() + (screen.height() - 563) / 2);
  EXPECT_EQ(Window().pos(), expected);
  EXPECT_NE(Window().pos(), QPoint(50, 50));
}

}  // namespace
}  // namespace shell
