#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "shell/label.h"

namespace shell {
namespace {

const QColor kBackground(0x60, 0x60, 0x60);

class LabelTest : public ::testing::Test {
 protected:
  LabelTest() {
    label_.resize(120, 24);
    label_.setBackground(kBackground);
  }

  QImage Rendered() { return label_.grab().toImage(); }

  // The rows and columns holding anything but the background, inside the border.
  QRect Ink() {
    const QImage image = Rendered();
    QRect ink;
    for (int y = 1; y < image.height() - 1; ++y) {
      for (int x = 1; x < image.width() - 1; ++x) {
        if (image.pixelColor(x, y) != kBackground) {
          ink |= QRect(x, y, 1, 1);
        }
      }
    }
    return ink;
  }

  Label label_{nullptr};
};

TEST_F(LabelTest, QtPropertiesReadAndWriteTextAndColour) {
  EXPECT_TRUE(label_.setProperty("text", QString("盈亏")));
  EXPECT_TRUE(label_.setProperty("textColor", QColor(Qt::red)));
  EXPECT_EQ(label_.text(), "盈亏");
  EXPECT_EQ(label_.property("textColor").value<QColor>(), QColor(Qt::red));
}

TEST_F(LabelTest, FillsWithItsBackgroundAndDrawsTextInItsColour) {
  label_.setText("-12.5");
  label_.setTextColor(Qt::white);
  const QImage image = Rendered();
  EXPECT_EQ(image.pixelColor(0, 0), kBackground);
  EXPECT_EQ(image.pixelColor(119, 23), kBackground);
  EXPECT_FALSE(Ink().isEmpty());
  bool whiteFound = false;
  for (int x = 0; x < image.width() && !whiteFound; ++x) {
    for (int y = 0; y < image.height() && !whiteFound; ++y) {
      whiteFound = image.pixelColor(x, y) == QColor(Qt::white);
    }
  }
  EXPECT_TRUE(whiteFound);
}

TEST_F(LabelTest, AmpersandIsDrawnAsAnOrdinaryCharacter) {
  label_.setText("&");
  const int one = Ink().width();
  label_.setText("&&");
  const int two = Ink().width();
  EXPECT_GT(one, 0);
  EXPECT_GT(two, one * 3 / 2);
}

TEST_F(LabelTest, AlignsLeftOrCentred) {
  label_.setText("元");
  const QRect left = Ink();
  label_.setCentred(true);
  const QRect centred = Ink();
  EXPECT_LT(left.left(), 10);
  EXPECT_NEAR(centred.center().x(), 60, 3);
}

TEST_F(LabelTest, OneLineIsCentredVerticallyWrappedTextStartsAtTheTop) {
  label_.resize(60, 60);
  label_.setText("1,234,567 8,901,234");
  const QRect oneLine = Ink();
  label_.setWordWrap(true);
  const QRect wrapped = Ink();
  EXPECT_NEAR(oneLine.center().y(), 30, 3);
  EXPECT_LT(wrapped.top(), 5);
  EXPECT_GT(wrapped.height(), oneLine.height() * 3 / 2);
}

TEST_F(LabelTest, ThinBorderFramesTheRectangle) {
  EXPECT_EQ(Rendered().pixelColor(0, 12), kBackground);
  label_.setThinBorder(true);
  const QImage image = Rendered();
  EXPECT_NE(image.pixelColor(0, 12), kBackground);
  EXPECT_NE(image.pixelColor(119, 12), kBackground);
  EXPECT_NE(image.pixelColor(0, 12), image.pixelColor(119, 12)) << "sunken: dark and light sides";
}

}  // namespace
}  // namespace shell
