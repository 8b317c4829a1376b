// The stored layout of the window: one row per control, in the order they are built.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/property_model.h"
#include "shell/fonts.h"
#include "shell/input_rule.h"

namespace shell {

enum class Kind { GroupBox, Label, EditBox, Button, RadioBox, ComboBox, TipProvider };

// Where a row differs from the defaults of its kind.
struct Options {
  InputRule rule = InputRule::ReadOnly;     // edit boxes
  bool checked = false;                     // radio buttons
  std::span<const char* const> items = {};  // the combo box's list
  FontRole font = FontRole::Default;
  calculators::Colour textColour = 0x000000;
  std::optional<calculators::Colour> background = std::nullopt;  // labels; else the window's
  bool centred = false;
  bool wordWrap = false;
  bool thinBorder = false;
};

struct Place {
  int x;
  int y;
};

struct Size {
  int width;
  int height;
};

struct ControlSpec {
  const char* name;
  Kind kind;
  const char* parent;  // the window when empty, otherwise a group box of an earlier row
  Place place;         // relative to the parent
  Size size;
  const char* text;
  Options options = {};
};

inline constexpr const char* kWindow = "";

// The window's 59 controls.
std::span<const ControlSpec> Layout();

// What makes a layout unusable (a name twice, a parent that is not an earlier frame, an empty
// rectangle), or nothing when it can be built.
std::optional<std::string> FindLayoutError(std::span<const ControlSpec> layout);

}  // namespace shell
