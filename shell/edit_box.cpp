#include "shell/edit_box.h"

namespace shell {

EditBox::EditBox(InputRule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {
  setAlignment(Qt::AlignCenter);
  setReadOnly(rule == InputRule::ReadOnly);
}

}  // namespace shell
