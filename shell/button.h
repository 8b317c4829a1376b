// A push button whose caption wraps onto several lines when it does not fit; never a default
// button, so Enter presses none.
#pragma once

#include <QPushButton>

namespace shell {

class Button : public QPushButton {
  Q_OBJECT

 public:
  Button(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace shell
