#include "shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "shell/layout.h"
#include "shell/platform_fpu.h"

namespace shell {
namespace {

constexpr int kFatalExitCode = -1;

bool LayoutReadable() {
  return !FindLayoutError(Layout()).has_value();
}

void ShowFatalErrorBox(const QString& message) {
  QMessageBox::critical(nullptr, QString::fromUtf8("错误"), message);
}

bool HasEveryControl(const QWidget& window) {
  for (const ControlSpec& row : Layout()) {
    if (window.findChild<QWidget*>(QString::fromUtf8(row.name)) == nullptr) {
      return false;
    }
  }
  return true;
}

std::unique_ptr<MainWindow> TryBuildWindow(const StartupSeams& seams) {
  try {
    std::unique_ptr<MainWindow> window =
        seams.buildWindow ? seams.buildWindow() : std::make_unique<MainWindow>();
    if (window != nullptr && HasEveryControl(*window)) {
      return window;
    }
  } catch (const std::exception&) {
    // Reported as the window that could not be built.
  }
  return nullptr;
}

}  // namespace

int Run(int argc, char* argv[]) {
  return Run(argc, argv, StartupSeams{});
}

int Run(int argc, char* argv[], const StartupSeams& seams) {
  QApplication app(argc, argv);
  return RunWithApplication(seams);
}

int RunWithApplication(const StartupSeams& seams) {
  const auto reportFatalError = seams.reportFatalError ? seams.reportFatalError : ShowFatalErrorBox;
  if (!(seams.layoutReadable ? seams.layoutReadable() : LayoutReadable())) {
    reportFatalError(QString::fromUtf8(kLayoutUnreadable));
    return kFatalExitCode;
  }
  ResetFloatingPointEnvironment();

  const std::unique_ptr<MainWindow> window = TryBuildWindow(seams);
  if (window == nullptr) {
    reportFatalError(QString::fromUtf8(kWindowNotBuilt));
    return kFatalExitCode;
  }
  window->CenterOnScreen();
  window->show();
  return seams.runEventLoop ? seams.runEventLoop() : QApplication::exec();
}

}  // namespace shell
