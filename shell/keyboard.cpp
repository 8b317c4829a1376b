#include "shell/keyboard.h"

#include <QKeyEvent>
#include <QList>
#include <QRadioButton>
#include <QWidget>
#include <string_view>
#include <utility>

#include "shell/tab_order.h"

namespace shell {
namespace {

// Where the focus sits in the tab order: the stop a forward step counts from and the one a
// backward step counts from. They differ only for a control outside the order.
struct Place {
  qsizetype forwardFrom;
  qsizetype backwardFrom;
};

// Sees every key press of the window's controls before the control does. Tab and Shift+Tab are
// taken from the table rather than from Qt's focus chain, which passes over unchecked radio
// buttons and differs between platforms for read-only line edits.
class KeyboardFilter : public QObject {
 public:
  KeyboardFilter(QWidget& window, QList<QWidget*> stops)
      : QObject(&window), window_(window), stops_(std::move(stops)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (key->key()) {
      case Qt::Key_Escape:
        window_.close();
        return true;
      case Qt::Key_Tab:
        MoveFocus(widget, !key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
      case Qt::Key_Backtab:
        MoveFocus(widget, false);
        return true;
      case Qt::Key_Return:  // no control acts on Enter, the combo box included
      case Qt::Key_Enter:
        return true;
      case Qt::Key_Left:
      case Qt::Key_Up:
        return MoveRadioCheck(qobject_cast<QRadioButton*>(watched), -1);
      case Qt::Key_Right:
      case Qt::Key_Down:
        return MoveRadioCheck(qobject_cast<QRadioButton*>(watched), +1);
      default:
        return false;
    }
  }

 private:
  static bool IsUsable(const QWidget* widget) { return widget->isVisible() && widget->isEnabled(); }

  // A control outside the order (the combo box) tabs on as if it stood right after the stop
  // created before it.
  Place PlaceOf(QWidget* focus) const {
    if (const qsizetype at = stops_.indexOf(focus); at >= 0) {
      return {at, at};
    }
    qsizetype before = -1;
    for (QWidget* control : window_.findChildren<QWidget*>()) {
      if (control == focus || control->isAncestorOf(focus)) {
        break;
      }
      if (const qsizetype at = stops_.indexOf(control); at >= 0) {
        before = at;
      }
    }
    return {before, before + 1};
  }

  void MoveFocus(QWidget* focus, bool forward) {
    const qsizetype count = stops_.size();
    const Place place = PlaceOf(focus);
    for (qsizetype step = 1; step <= count; ++step) {
      const qsizetype at = forward ? place.forwardFrom + step : place.backwardFrom - step;
      QWidget* stop = stops_[((at % count) + count) % count];
      if (IsUsable(stop)) {
        stop->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
      }
    }
  }

  // Moves the check to the next or previous radio button of the same parent in the tab order,
  // as a click on it would. The key is used up even when the button is alone in its group.
  bool MoveRadioCheck(QRadioButton* radio, int step) {
    if (radio == nullptr) {
      return false;
    }
    QList<QRadioButton*> group;
    for (QWidget* stop : stops_) {
      auto* other = qobject_cast<QRadioButton*>(stop);
      if (other != nullptr && other->parentWidget() == radio->parentWidget() &&
          (other == radio || IsUsable(other))) {
        group.append(other);
      }
    }
    const qsizetype at = group.indexOf(radio);
    if (at < 0) {
      return false;
    }
    QRadioButton* next = group[(at + step + group.size()) % group.size()];
    if (next != radio) {
      next->setFocus(Qt::TabFocusReason);
      next->click();
    }
    return true;
  }

  QWidget& window_;
  const QList<QWidget*> stops_;
};

}  // namespace

void InstallKeyboard(QWidget& window) {
  QList<QWidget*> stops;
  for (std::string_view name : kTabOrder) {
    const auto objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (auto* stop = window.findChild<QWidget*>(objectName)) {
      stops.append(stop);
    }
  }
  if (!stops.isEmpty()) {
    stops.front()->setFocus(Qt::OtherFocusReason);
  }
  auto* filter = new KeyboardFilter(window, std::move(stops));
  window.installEventFilter(filter);
  for (QWidget* control : window.findChildren<QWidget*>()) {
    control->installEventFilter(filter);
  }
}

}  // namespace shell
