// The one window of the program, holding the three calculators.
#pragma once

#include <QWidget>

namespace shell {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();
};

}  // namespace shell
