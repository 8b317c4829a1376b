#include "shell/fonts.h"

#include <QApplication>
#include <QStringList>

namespace shell {
namespace {

// Chinese-capable faces to fall back on where the named Windows faces are not installed, so
// Chinese never shows as empty boxes.
const QStringList kYaHei = {"微软雅黑",           "Microsoft YaHei",    "WenQuanYi Micro Hei",
                            "Noto Sans CJK SC",   "Source Han Sans SC", "WenQuanYi Zen Hei",
                            "Droid Sans Fallback"};
const QStringList kSong = {"宋体",
                           "SimSun",
                           "WenQuanYi Zen Hei",
                           "WenQuanYi Micro Hei",
                           "Noto Serif CJK SC",
                           "Noto Sans CJK SC",
                           "Droid Sans Fallback"};

QFont NormalFont(const QStringList& families) {
  QFont font;
  font.setFamilies(families);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

QFont PixelFont(const QStringList& families, int pixels) {
  QFont font = NormalFont(families);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

Fonts::Fonts()
    : fonts_{PixelFont(kSong, 12),
             PixelFont(kYaHei, 16),
             PixelFont(kYaHei, 14),
             PixelFont(kYaHei, 13),
             PixelFont(kYaHei, 12),
             PixelFont(kYaHei, 10),
             PixelFont(QStringList{QApplication::font().family()} + kSong, 12)} {}

QFont BalloonFont() {
  QFont font = NormalFont(kSong);
  font.setPointSize(9);
  return font;
}

}  // namespace shell
