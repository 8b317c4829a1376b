#include "shell/label.h"

#include <qdrawutil.h>
#include <QPainter>

namespace shell {

Label::Label(QWidget* parent) : QWidget(parent) {}

void Label::setText(const QString& text) {
  text_ = text;
  update();
}

void Label::setTextColor(const QColor& colour) {
  textColor_ = colour;
  update();
}

void Label::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void Label::setCentred(bool centred) {
  centred_ = centred;
  update();
}

void Label::setWordWrap(bool wrap) {
  wordWrap_ = wrap;
  update();
}

void Label::setThinBorder(bool border) {
  thinBorder_ = border;
  update();
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_.value_or(palette().color(QPalette::Window)));

  QRect textArea = rect();
  if (thinBorder_) {
    qDrawShadePanel(&painter, rect(), palette(), /*sunken=*/true, /*lineWidth=*/1);
    textArea.adjust(1, 1, -1, -1);
  }
  // No Qt::TextShowMnemonic, so "&" is drawn as it stands.
  const int horizontal = centred_ ? Qt::AlignHCenter : Qt::AlignLeft;
  const int flags = wordWrap_ ? horizontal | Qt::AlignTop | Qt::TextWordWrap
                              : horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
  painter.setPen(textColor_);
  painter.drawText(textArea, flags, text_);
}

}  // namespace shell
