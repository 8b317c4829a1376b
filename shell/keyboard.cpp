#include "shell/keyboard.h"

namespace shell {

void InstallKeyboard(QWidget&) {}

}  // namespace shell
