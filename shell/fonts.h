// The fonts the window asks for, by role.
#pragma once

#include <QFont>
#include <array>

namespace shell {

enum class FontRole {
  Default,  // the controls' default: 12-pixel 宋体
  YaHei16,
  YaHei14,
  YaHei13,
  YaHei12,
  YaHei10,
  Plain12,  // 12 pixels in whatever face the platform prefers
};

// Each font of the window built once and shared by every control that uses it.
class Fonts {
 public:
  Fonts();

  const QFont& operator[](FontRole role) const { return fonts_[static_cast<std::size_t>(role)]; }

 private:
  std::array<QFont, 7> fonts_;
};

// The balloon tips' text: 9-point 宋体.
QFont BalloonFont();

}  // namespace shell
