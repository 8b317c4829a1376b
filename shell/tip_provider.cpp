#include "shell/tip_provider.h"

#include <QEvent>

#include "shell/balloon_tip.h"

namespace shell {
namespace {

constexpr int kRestMs = 600;

}  // namespace

TipProvider::TipProvider(BalloonTip& balloon, QWidget* parent)
    : QWidget(parent), balloon_(balloon) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  restTimer_.setSingleShot(true);
  restTimer_.setInterval(kRestMs);
  connect(&restTimer_, &QTimer::timeout, this, &TipProvider::ShowPendingTip);
}

void TipProvider::SetTip(QWidget& target, const QString& text) {
  if (!tips_.contains(&target)) {
    target.installEventFilter(this);
    // Moves within the target restart the wait, so the pointer has to come to rest.
    target.setMouseTracking(true);
  }
  tips_.insert(&target, text);
}

bool TipProvider::eventFilter(QObject* watched, QEvent* event) {
  auto* target = qobject_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
      if (!balloon_.isVisible()) {
        pending_ = target;
        restTimer_.start();
      }
      break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
      restTimer_.stop();
      pending_ = nullptr;
      balloon_.hide();
      break;
    default:
      break;
  }
  return false;
}

void TipProvider::ShowPendingTip() {
  if (pending_ != nullptr) {
    balloon_.ShowBeside(*pending_, tips_.value(pending_));
  }
}

}  // namespace shell
