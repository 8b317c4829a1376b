// How screen readers see the window's own control kinds where Qt's defaults fall short.
#pragma once

namespace shell {

// Makes self-drawn labels static text that reads out what they show, radio boxes radio buttons, and
// lets the combo box keep its accessible name on every platform. Has to run before the first
// control is built.
void InstallAccessibleInterfaces();

}  // namespace shell
