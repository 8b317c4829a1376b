#include "shell/startup.h"

#include <QApplication>

#include "shell/main_window.h"

namespace shell {

int Run(int argc, char* argv[]) {
  QApplication app(argc, argv);
  MainWindow window;
  window.show();
  return QApplication::exec();
}

}  // namespace shell
