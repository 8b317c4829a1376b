// The balloon that shows a tip's text beside its target: a rounded body with a small pointer up
// toward the target, without title, icon or close box.
#pragma once

#include <QPainterPath>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace shell {

class BalloonTip : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)

 public:
  // One balloon per window; it is a top-level tool tip owned by the window.
  explicit BalloonTip(QWidget* window);

  QString text() const { return text_; }
  void setText(const QString& text);

  // Shows the text below the target, pointing at it, and hides it again after 3 seconds.
  void ShowBeside(const QWidget& target, const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect BodyRect() const;
  QPainterPath Outline() const;

  QString text_;
  QTimer hideTimer_;
};

}  // namespace shell
