#include "tests/shell/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QTest>

namespace shell {

void WindowTest::SetUp() {
  window_ = std::make_unique<MainWindow>();
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

  dialogWatchdog_.setInterval(50);
  QObject::connect(&dialogWatchdog_, &QTimer::timeout, [this] { CloseUnexpectedDialogs(); });
  dialogWatchdog_.start();
}

void WindowTest::TearDown() {
  dialogWatchdog_.stop();
  dialogWatchdog_.disconnect();
  window_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowTest::CloseUnexpectedDialogs() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog == nullptr || !dialog->isVisible()) {
      continue;
    }
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    ADD_FAILURE() << "unexpected dialog \"" << dialog->windowTitle().toStdString()
                  << "\": " << (box != nullptr ? box->text().toStdString() : std::string());
    dialog->reject();
  }
}

void WindowTest::Click(const char* name) {
  auto* control = Control<QWidget>(name);
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void WindowTest::TypeText(const char* name, const char* text) {
  Click(name);
  QTest::keyClicks(Control<QWidget>(name), QString::fromLatin1(text));
}

std::string WindowTest::TextOf(const char* name) {
  auto* control = Control<QWidget>(name);
  if (const auto* combo = qobject_cast<QComboBox*>(control)) {
    return combo->currentText().toStdString();
  }
  const QVariant text = control->property("text");
  if (!text.isValid()) {
    ADD_FAILURE() << name << " shows no text";
  }
  return text.toString().toStdString();
}

}  // namespace shell
