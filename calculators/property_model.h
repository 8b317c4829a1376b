// The four properties through which the operations see the controls of the window.
//
// Controls are addressed by their layout names; texts are UTF-8. Writing a property takes effect
// at once and raises no event. The shell implements this over its widgets, tests in memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calculators {

// 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

class PropertyModel {
 public:
  virtual ~PropertyModel() = default;

  // Edit boxes and labels.
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;

  // Radio buttons: 1 when checked, otherwise 0. Writing 1 checks, anything else unchecks; no
  // other button changes.
  virtual int Checked(std::string_view control) const = 0;
  virtual void SetChecked(std::string_view control, int checked) = 0;

  // Labels.
  virtual Colour TextColor(std::string_view control) const = 0;
  virtual void SetTextColor(std::string_view control, Colour colour) = 0;

  // The combo box: index of the selected item, or -1 when none is.
  virtual int SelectedIndex(std::string_view control) const = 0;
};

}  // namespace calculators
