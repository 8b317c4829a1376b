#include "shell/main_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "shell/accessible_names.h"
#include "shell/balloon_tip.h"
#include "shell/bindings.h"
#include "shell/control_factory.h"
#include "shell/export_tips.h"
#include "shell/keyboard.h"
#include "shell/layout.h"

// The icon lives in the shell library's resources, which a static library has to register itself.
static void RegisterShellResources() {
  Q_INIT_RESOURCE(icons);
}

namespace shell {
namespace {

constexpr int kClientWidth = 453;
constexpr int kClientHeight = 535;
// The outer size the window is centred by, frame and title bar included.
constexpr int kOuterWidth = 459;
constexpr int kOuterHeight = 563;

constexpr char kTitle[] = "Parvellv0.7.3（By Tesmor）bbs.chaogu-luntan.example";

QIcon AppIcon() {
  QIcon icon;
  for (int size : {64, 48, 32}) {
    icon.addFile(QStringLiteral(":/icons/parvell-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

MainWindow::MainWindow() : balloon_(new BalloonTip(this)) {
  RegisterShellResources();
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(kTitle));
  setWindowIcon(AppIcon());
  setFont(fonts_[FontRole::Default]);
  setFixedSize(kClientWidth, kClientHeight);

  BuildControls(*this, Layout(), fonts_, *balloon_);
  properties_ = std::make_unique<WidgetProperties>(*this, Layout());
  calculators_ = std::make_unique<calculators::Calculators>(*properties_);
  BindClicks(*this, *calculators_);
  InstallKeyboard(*this);
  AttachExportTips(*this);
  NameForScreenReaders(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::CenterOnScreen() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - kOuterWidth) / 2,
       screen.y() + (screen.height() - kOuterHeight) / 2);
}

}  // namespace shell
