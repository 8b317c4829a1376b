#include "shell/balloon_tip.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "shell/fonts.h"

namespace shell {
namespace {

constexpr int kShownMs = 3000;
constexpr int kPadding = 8;
constexpr int kPointerHeight = 10;
constexpr int kPointerHalfWidth = 6;
// Horizontal distance from the balloon's left edge to the tip of its pointer.
constexpr int kPointerX = 24;
constexpr int kCornerRadius = 6;
constexpr int kMaxTextWidth = 320;

}  // namespace

BalloonTip::BalloonTip(QWidget* window) : QWidget(window, Qt::ToolTip | Qt::FramelessWindowHint) {
  setFont(BalloonFont());
  setAttribute(Qt::WA_ShowWithoutActivating);
  hideTimer_.setSingleShot(true);
  hideTimer_.setInterval(kShownMs);
  connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void BalloonTip::setText(const QString& text) {
  text_ = text;
  const QRect textRect =
      fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 0), Qt::TextWordWrap, text_);
  // One pixel more each way for the outline, which BodyRect leaves out.
  resize(
      std::max(textRect.width() + 2 * kPadding + 1, kPointerX + kPointerHalfWidth + kCornerRadius),
      textRect.height() + 2 * kPadding + kPointerHeight + 1);
  update();
}

void BalloonTip::ShowBeside(const QWidget& target, const QString& text) {
  setText(text);
  const QPoint pointerTip = target.mapToGlobal(QPoint(target.width() / 2, target.height()));
  QPoint topLeft(pointerTip.x() - kPointerX, pointerTip.y());
  if (const QScreen* screen = target.screen()) {
    const QRect area = screen->geometry();
    topLeft.setX(
        std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - width())));
  }
  move(topLeft);
  show();
  raise();
  hideTimer_.start();
}

QRect BalloonTip::BodyRect() const {
  return rect().adjusted(0, kPointerHeight, -1, -1);
}

QPainterPath BalloonTip::Outline() const {
  QPainterPath outline;
  outline.addRoundedRect(BodyRect(), kCornerRadius, kCornerRadius);
  QPainterPath pointer;
  const QRect body = BodyRect();
  pointer.moveTo(kPointerX - kPointerHalfWidth, body.top() + 1);
  pointer.lineTo(kPointerX, 0);
  pointer.lineTo(kPointerX + kPointerHalfWidth, body.top() + 1);
  pointer.closeSubpath();
  return outline.united(pointer);
}

void BalloonTip::resizeEvent(QResizeEvent*) {
  setMask(QRegion(Outline().toFillPolygon().toPolygon()).united(BodyRect()));
}

void BalloonTip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(0x76, 0x76, 0x76));
  painter.setBrush(palette().color(QPalette::ToolTipBase));
  painter.drawPath(Outline());
  painter.setPen(Qt::black);
  painter.drawText(BodyRect().adjusted(kPadding, kPadding, -kPadding, -kPadding),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

}  // namespace shell
