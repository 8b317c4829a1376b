// A frame without caption: an etched rectangle around a section of the window.
#pragma once

#include <QGroupBox>

namespace shell {

class GroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit GroupBox(QWidget* parent);

 protected:
  // Only the etched line, with no fill of its own, so the frame's inside matches the window and
  // the labels drawn over it.
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace shell
