// The property model over the window's widgets: what the calculators read and write.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <span>
#include <string>

#include "calculators/property_model.h"
#include "shell/layout.h"

namespace shell {

class WidgetProperties : public calculators::PropertyModel {
 public:
  // Finds every control of the layout in the window; throws std::runtime_error when one is
  // missing. Naming a control that is not there, or of the wrong kind, later is a fatal bug.
  WidgetProperties(QWidget& window, std::span<const ControlSpec> layout);

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  int Checked(std::string_view control) const override;
  void SetChecked(std::string_view control, int checked) override;
  calculators::Colour TextColor(std::string_view control) const override;
  void SetTextColor(std::string_view control, calculators::Colour colour) override;
  int SelectedIndex(std::string_view control) const override;

 private:
  template <class T>
  T& Find(std::string_view control) const;

  std::map<std::string, QWidget*, std::less<>> controls_;
};

}  // namespace shell
