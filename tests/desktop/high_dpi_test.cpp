// Runs with QT_SCALE_FACTOR=2: the window keeps its layout in logical pixels and draws it at twice
// the pixels, with text and icon from device-resolution sources rather than an enlarged picture.
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "shell/layout.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

using HighDpiTest = WindowTest;

TEST_F(HighDpiTest, RunsAtRatioTwo) {
  ASSERT_EQ(Window().devicePixelRatio(), 2.0);
}

TEST_F(HighDpiTest, ScreenshotHasTwiceThePixelsOfTheSameLogicalSize) {
  const QPixmap shot = Window().grab();
  EXPECT_EQ(shot.size(), QSize(906, 1070));
  EXPECT_EQ(shot.deviceIndependentSize(), QSizeF(453, 535));
  EXPECT_EQ(Window().size(), QSize(453, 535));
}

TEST_F(HighDpiTest, ControlsKeepTheirLogicalPlaces) {
  for (const ControlSpec& spec : Layout()) {
    if (spec.kind == Kind::TipProvider) {
      continue;  // has no rectangle on screen
    }
    const QRect expected(spec.place.x, spec.place.y, spec.size.width, spec.size.height);
    EXPECT_EQ(Control<QWidget>(spec.name)->geometry(), expected) << spec.name;
  }
}

// An enlarged ratio-1 picture repeats each pixel in a 2 x 2 block; text drawn at device resolution
// puts its anti-aliased edges on single pixels, so most blocks that carry ink are not uniform.
TEST_F(HighDpiTest, TextIsDrawnAtDeviceResolution) {
  for (const char* name : {"标签9", "标签1", "标签16"}) {
    const QImage image = Control<QWidget>(name)->grab().toImage();
    ASSERT_EQ(image.width() % 2, 0);
    const QRgb background = image.pixel(0, image.height() / 2);
    int inked = 0;
    int split = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
      for (int x = 0; x + 1 < image.width(); x += 2) {
        const QRgb block[] = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                              image.pixel(x + 1, y + 1)};
        if (std::ranges::all_of(block, [&](QRgb p) { return p == background; })) {
          continue;
        }
        ++inked;
        if (!std::ranges::all_of(block, [&](QRgb p) { return p == block[0]; })) {
          ++split;
        }
      }
    }
    ASSERT_GT(inked, 0) << name << " shows nothing";
    EXPECT_GT(split * 2, inked) << name << ": " << split << " of " << inked
                                << " inked blocks split";
  }
}

// Each logical pixel of a 32 x 32 icon comes from the 64 x 64 image, not an enlarged 32 x 32 one.
TEST_F(HighDpiTest, IconIsSharpAtRatioTwo) {
  const QPixmap icon = Window().windowIcon().pixmap(QSize(32, 32), 2.0);
  EXPECT_EQ(icon.size(), QSize(64, 64));
  const QImage drawn = icon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage source =
      QImage(":/icons/parvell-64.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(drawn, source);
}

}  // namespace
}  // namespace shell
