#include "shell/main_window.h"

#include "shell/keyboard.h"

namespace shell {

MainWindow::MainWindow() {
  setFixedSize(453, 535);
  InstallKeyboard(*this);
}

}  // namespace shell
