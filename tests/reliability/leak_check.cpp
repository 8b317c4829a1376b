// The program started through its real start-up, every box typed into and every button clicked
// once, then the window closed: run under LeakSanitizer, the exit shows whatever a run leaks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "shell/startup.h"

namespace {

void WorkTheWindowAndClose() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<shell::MainWindow*>(widget);
    if (window == nullptr) {
      continue;
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
      QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
      QTest::keyClicks(box, QStringLiteral("12.5"));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }
    window->close();
  }
}

// Runs as soon as the application object exists, so the work starts once the event loop does.
void ScheduleWork() {
  QTimer::singleShot(0, WorkTheWindowAndClose);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(ScheduleWork)

int main(int argc, char* argv[]) {
  return shell::Run(argc, argv);
}
