#include "shell/widget_properties.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <stdexcept>

#include "shell/colour.h"
#include "shell/combo_box.h"
#include "shell/label.h"

namespace shell {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

WidgetProperties::WidgetProperties(QWidget& window, std::span<const ControlSpec> layout) {
  for (const ControlSpec& row : layout) {
    auto* control = window.findChild<QWidget*>(QString::fromUtf8(row.name));
    if (control == nullptr) {
      throw std::runtime_error(std::string("the window has no control ") + row.name);
    }
    controls_.emplace(row.name, control);
  }
}

template <class T>
T& WidgetProperties::Find(std::string_view control) const {
  const auto found = controls_.find(control);
  T* widget = found == controls_.end() ? nullptr : qobject_cast<T*>(found->second);
  if (widget == nullptr) {
    qFatal("no control %.*s of kind %s", static_cast<int>(control.size()), control.data(),
           T::staticMetaObject.className());
  }
  return *widget;
}

std::string WidgetProperties::Text(std::string_view control) const {
  if (const auto* box = qobject_cast<QLineEdit*>(&Find<QWidget>(control))) {
    return box->text().toStdString();
  }
  return Find<Label>(control).text().toStdString();
}

void WidgetProperties::SetText(std::string_view control, std::string_view text) {
  if (auto* box = qobject_cast<QLineEdit*>(&Find<QWidget>(control))) {
    const QSignalBlocker quiet(box);
    box->setText(FromUtf8(text));
    return;
  }
  Find<Label>(control).setText(FromUtf8(text));
}

int WidgetProperties::Checked(std::string_view control) const {
  return Find<QRadioButton>(control).isChecked() ? 1 : 0;
}

void WidgetProperties::SetChecked(std::string_view control, int checked) {
  auto& radio = Find<QRadioButton>(control);
  const QSignalBlocker quiet(&radio);
  radio.setChecked(checked == 1);
}

calculators::Colour WidgetProperties::TextColor(std::string_view control) const {
  return FromQColor(Find<Label>(control).textColor());
}

void WidgetProperties::SetTextColor(std::string_view control, calculators::Colour colour) {
  Find<Label>(control).setTextColor(ToQColor(colour));
}

int WidgetProperties::SelectedIndex(std::string_view control) const {
  return Find<ComboBox>(control).selectedIndex();
}

}  // namespace shell
