// An invisible provider of balloon tips: shows a target's tip when the pointer rests on it.
#pragma once

#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace shell {

class BalloonTip;

class TipProvider : public QWidget {
  Q_OBJECT

 public:
  TipProvider(BalloonTip& balloon, QWidget* parent);

  // From now on, resting the pointer on the target shows this text.
  void SetTip(QWidget& target, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPendingTip();

  BalloonTip& balloon_;
  QHash<QWidget*, QString> tips_;
  // The target under the pointer, waiting for the pointer to rest.
  QWidget* pending_ = nullptr;
  QTimer restTimer_;
};

}  // namespace shell
