// The one window of the program, holding the three calculators.
#pragma once

#include <QWidget>
#include <memory>

#include "calculators/calculators.h"
#include "shell/fonts.h"
#include "shell/widget_properties.h"

namespace shell {

class BalloonTip;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden, with every control in its initial state and the export tips
  // attached. Throws when a control of the layout is missing.
  MainWindow();
  ~MainWindow() override;

  // Places the window's frame in the middle of the primary screen.
  void CenterOnScreen();

 private:
  Fonts fonts_;
  BalloonTip* balloon_;
  std::unique_ptr<WidgetProperties> properties_;
  std::unique_ptr<calculators::Calculators> calculators_;
};

}  // namespace shell
