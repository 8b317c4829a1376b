// Start-up and shut-down of the program.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "shell/main_window.h"

namespace shell {

inline constexpr char kLayoutUnreadable[] = "载入窗口模板数据段出错!";
inline constexpr char kWindowNotBuilt[] = "载入启动窗口失败";

// The steps of start-up that tests replace. An empty member means the program's own step, so a
// test sets only the ones it needs, e.g. reportFatalError to record the message instead of
// waiting for the user to close a message box.
struct StartupSeams {
  // Whether the stored layout can be read; false is the fatal error kLayoutUnreadable.
  std::function<bool()> layoutReadable;
  // Builds the window; throwing, or a window without every control of the layout, is the fatal
  // error kWindowNotBuilt.
  std::function<std::unique_ptr<MainWindow>()> buildWindow;
  // Tells the user about a fatal error; by default a message box that waits for them.
  std::function<void(const QString& message)> reportFatalError;
  // Runs the event loop until the window has been closed and returns its exit code.
  std::function<int()> runEventLoop;
};

// Runs the program: returns 0 once the window has been closed, -1 after a fatal start-up error.
int Run(int argc, char* argv[]);
int Run(int argc, char* argv[], const StartupSeams& seams);

// Everything after the application object exists: floating-point reset, window, event loop.
// Run calls it; tests that already have a QApplication call it directly.
int RunWithApplication(const StartupSeams& seams);

}  // namespace shell
