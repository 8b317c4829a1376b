#include "shell/group_box.h"

#include <qdrawutil.h>
#include <QPainter>

namespace shell {

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The line runs where a caption's middle would be, as with a captioned frame.
  const QRect frame = rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
  qDrawShadeRect(&painter, frame, palette(), /*sunken=*/true, /*lineWidth=*/1);
}

}  // namespace shell
