// Builds the window's controls from the layout.
#pragma once

#include <span>

#include "shell/layout.h"

class QWidget;

namespace shell {

class BalloonTip;
class Fonts;

// Creates every control of the layout inside the window, named, placed and in its initial
// state, with the frames beneath all other controls. Tip providers show their tips in the balloon.
void BuildControls(QWidget& window, std::span<const ControlSpec> layout, const Fonts& fonts,
                   BalloonTip& balloon);

}  // namespace shell
