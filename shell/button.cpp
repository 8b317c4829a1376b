#include "shell/button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace shell {

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void Button::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  // The whole rectangle, not the style's padded contents: the small buttons have no room to spare.
  painter.drawItemText(rect(), Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}

}  // namespace shell
