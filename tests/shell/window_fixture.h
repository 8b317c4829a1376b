// A GoogleTest fixture that builds the main window, shows it on the offscreen platform and drives
// it through real Qt input events.
#pragma once

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>

#include "shell/main_window.h"

namespace shell {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  MainWindow& Window() { return *window_; }

  // The control with this layout name; fails the test (by throwing) when there is none or it has
  // another type.
  template <class T>
  T* Control(const char* name) {
    T* control = window_->findChild<T*>(QString::fromUtf8(name));
    if (control == nullptr) {
      ADD_FAILURE() << "no control " << name << " of the expected type";
      throw std::runtime_error(std::string("missing control ") + name);
    }
    return control;
  }

  // A left click at the control's centre.
  void Click(const char* name);
  // Clicks into the control, then types the ASCII text key by key.
  void TypeText(const char* name, const char* text);
  // The text the control shows, UTF-8: edit boxes, labels, buttons and the combo box.
  std::string TextOf(const char* name);

 private:
  // Closes any dialog that pops up while a test runs and fails the test, instead of hanging in
  // its modal loop.
  void CloseUnexpectedDialogs();

  std::unique_ptr<MainWindow> window_;
  QTimer dialogWatchdog_;
};

}  // namespace shell
