// The real start-up with one of its fatal errors forced through the start-up seams:
//   fatal_startup layout      the stored layout cannot be read
//   fatal_startup window      building the window throws
//   fatal_startup incomplete  the built window lacks a control
// The error's message box is closed by a timer once it shows, and its text printed to stdout.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <string_view>

#include "shell/startup.h"

namespace {

void CloseMessageBoxes() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box != nullptr && box->isVisible()) {
      std::printf("message box: %s\n", box->text().toUtf8().constData());
      std::fflush(stdout);
      box->accept();
    }
  }
}

void WatchForMessageBoxes() {
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, CloseMessageBoxes);
  timer->start(20);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForMessageBoxes)

int main(int argc, char* argv[]) {
  const std::string_view failure = argc > 1 ? argv[1] : "";
  shell::StartupSeams seams;
  if (failure == "layout") {
    seams.layoutReadable = [] { return false; };
  } else if (failure == "window") {
    seams.buildWindow = []() -> std::unique_ptr<shell::MainWindow> {
      throw std::runtime_error("no window");
    };
  } else if (failure == "incomplete") {
    seams.buildWindow = [] {
      auto window = std::make_unique<shell::MainWindow>();
      delete window->findChild<QWidget*>(QStringLiteral("按钮5"));
      return window;
    };
  } else {
    std::fprintf(stderr, "usage: fatal_startup layout|window|incomplete\n");
    return 2;
  }
  // Nothing may reach the event loop after a fatal error.
  seams.runEventLoop = [] {
    std::printf("event loop started\n");
    return 0;
  };
  return shell::Run(argc, argv, seams);
}
