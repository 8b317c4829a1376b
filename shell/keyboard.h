// The keys of the window: Esc closes it, Tab and Shift+Tab walk the fixed tab order, the arrow
// keys move the check between radio buttons, Enter does nothing.
#pragma once

class QWidget;

namespace shell {

void InstallKeyboard(QWidget& window);

}  // namespace shell
