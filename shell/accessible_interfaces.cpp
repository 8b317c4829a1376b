#include "shell/accessible_interfaces.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

#include "shell/combo_box.h"
#include "shell/label.h"
#include "shell/radio_box.h"

namespace shell {
namespace {

// Without this, a label is an anonymous panel. An output label is named after its caption and
// gives what it shows as its value and as read-only text, which screen readers read out; any other
// label is named by its text.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleLabel(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) {
      return Shown();
    }
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Shown();
    }
    return QAccessibleWidget::text(kind);
  }

  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }

  // The text can be neither selected nor edited, has no caret and needs no scrolling.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString Shown() const { return static_cast<const Label*>(widget())->text(); }
};

// On Linux and macOS Qt names an editable combo box after its text, leaving the caption to label
// relations that self-drawn labels cannot give; a screen reader would say "涨" where it should
// say "涨/跌". The text becomes the value instead.
class AccessibleComboBox : public QAccessibleWidget {
 public:
  explicit AccessibleComboBox(ComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? box().currentText() : QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.expandable = true;
    state.expanded = box().view()->isVisible();
    return state;
  }

  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction();
  }

  void doAction(const QString& action) override {
    if (action == showMenuAction()) {
      box().showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  ComboBox& box() const { return *static_cast<ComboBox*>(widget()); }
};

// Qt calls a checkable button that is not auto-exclusive a check box; these keep their groups
// themselves, by parent, and are radio buttons to the user.
class AccessibleRadioBox : public QAccessibleWidget {
 public:
  explicit AccessibleRadioBox(RadioBox* box) : QAccessibleWidget(box, QAccessible::RadioButton) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return box().text();
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box().isChecked();
    return state;
  }

  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      box().click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  RadioBox& box() const { return *static_cast<RadioBox*>(widget()); }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
  if (auto* label = qobject_cast<Label*>(object)) {
    return new AccessibleLabel(label);
  }
  if (auto* box = qobject_cast<ComboBox*>(object)) {
    return new AccessibleComboBox(box);
  }
  if (auto* box = qobject_cast<RadioBox*>(object)) {
    return new AccessibleRadioBox(box);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  QAccessible::installFactory(CreateInterface);
}

}  // namespace shell
