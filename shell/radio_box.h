// A radio button whose group is every RadioBox with the same parent.
#pragma once

#include <QRadioButton>

namespace shell {

class RadioBox : public QRadioButton {
  Q_OBJECT

 public:
  explicit RadioBox(QWidget* parent);

 protected:
  // A click checks this button and unchecks its siblings; a click on a checked button keeps it
  // checked (and still emits clicked).
  void nextCheckState() override;
};

}  // namespace shell
