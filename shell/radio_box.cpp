#include "shell/radio_box.h"

namespace shell {

RadioBox::RadioBox(QWidget* parent) : QRadioButton(parent) {
  // Qt's auto-exclusivity would refuse to leave a group without a checked button, which writing
  // Checked = 0 must be able to do.
  setAutoExclusive(false);
}

void RadioBox::nextCheckState() {
  setChecked(true);
  for (RadioBox* sibling : parentWidget()->findChildren<RadioBox*>(Qt::FindDirectChildrenOnly)) {
    if (sibling != this) {
      sibling->setChecked(false);
    }
  }
}

}  // namespace shell
