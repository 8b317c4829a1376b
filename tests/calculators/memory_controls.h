// The controls of the main window held in memory, in their initial state, for running the
// operations without a window.
//
// Only the controls that the operations address are known. Any other name, or a property the
// control's kind does not have, throws std::invalid_argument, so a misspelt name cannot pass
// unnoticed.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "calculators/property_model.h"

namespace calculators {

class MemoryControls final : public PropertyModel {
 public:
  MemoryControls();

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  int Checked(std::string_view control) const override;
  void SetChecked(std::string_view control, int checked) override;
  Colour TextColor(std::string_view control) const override;
  void SetTextColor(std::string_view control, Colour colour) override;
  int SelectedIndex(std::string_view control) const override;

  // What the user can do besides typing: pick an item of the combo box (-1 stands for text typed
  // into its field by hand), and click a radio button, which checks it and unchecks the others of
  // its group. Neither runs an operation.
  void SelectItem(std::string_view comboBox, int index);
  void ClickRadio(std::string_view radioButton);

 private:
  enum class Kind { kEditBox, kLabel, kRadioButton, kComboBox };
  struct Control {
    Kind kind;
    std::string text = {};
    Colour colour = 0x000000;
    int checked = 0;
    int radioGroup = 0;
    int selectedIndex = 0;
  };

  enum class Property { kText, kChecked, kTextColor, kSelectedIndex };

  static bool Has(Kind kind, Property property);
  // The control of that name, which must have that property.
  template <typename Self>
  static auto& Find(Self& self, std::string_view name, Property property);

  std::map<std::string, Control, std::less<>> controls_;
};

}  // namespace calculators
