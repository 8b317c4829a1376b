#include "shell/accessible_names.h"

#include <QAbstractButton>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "shell/accessible_interfaces.h"
#include "shell/label.h"

namespace shell {
namespace {

// A box and the label that captions it.
struct Captioned {
  const char* control;
  const char* caption;
};

constexpr Captioned kCaptioned[] = {
    {"编辑框1涨跌停计算1", "标签1"},
    {"组合框1", "标签4"},
    {"编辑框2涨跌停计算2", "标签2"},
    {"编辑框3涨跌停计算3", "标签3"},
    {"编辑框盈亏计算1", "标签12"},
    {"编辑框盈亏计算2", "标签13"},
    {"编辑框盈亏计算4", "标签15"},
    {"标签17", "标签14"},
    {"标签18", "标签16"},
    {"标签20", "标签19"},
    {"编辑框_补仓1", "标签_补仓1"},
    {"编辑框_补仓2", "标签_补仓2"},
    {"编辑框_补仓3", "标签_补仓3"},
    {"编辑框_补仓4", "标签_补仓4"},
    {"编辑框_总持仓", "标签_总持仓"},
    {"编辑框_均价MY", "标签_均价MY"},
};

// Buttons whose caption alone ("计算", "清空") would not tell which section they act on.
struct NamedButton {
  const char* button;
  const char* name;
};

constexpr NamedButton kButtons[] = {
    {"按钮1涨跌停计算1", "计算涨停跌停价格"},
    {"按钮3盈亏计算", "计算盈亏"},
    {"按钮2互换", "互换持仓成本和目标价格"},
    {"按钮2向下导入", "下导出到补仓加仓成本计算"},
    {"按钮1", "清空盈亏计算"},
    {"按钮3", "计算补仓加仓成本"},
    {"按钮4", "上导出持仓到盈亏计算"},
    {"按钮2", "上导出结果到盈亏计算"},
    {"按钮5", "清空补仓加仓成本计算"},
};

template <class T>
T& Find(QWidget& window, const char* name) {
  auto* control = window.findChild<T*>(QString::fromUtf8(name));
  if (control == nullptr) {
    throw std::logic_error(std::string("no control ") + name + " to name for screen readers");
  }
  return *control;
}

void NameAfterCaptions(QWidget& window) {
  for (const auto& [control, caption] : kCaptioned) {
    QWidget& box = Find<QWidget>(window, control);
    const QString name = Find<Label>(window, caption).text();
    // Each change is announced to screen readers, so only real changes are made.
    if (box.accessibleName() != name) {
      box.setAccessibleName(name);
    }
  }
}

// Qt fixes a control's accessible interface as soon as the control is built, before any window
// could install these, so they are installed when the program loads.
Q_CONSTRUCTOR_FUNCTION(InstallAccessibleInterfaces)

}  // namespace

void NameForScreenReaders(QWidget& window) {
  NameAfterCaptions(window);
  for (const auto& [button, name] : kButtons) {
    Find<QWidget>(window, button).setAccessibleName(QString::fromUtf8(name));
  }
  // Captions change only in operations, and every operation runs on a click: connected after the
  // bindings, this runs once the operation has rewritten them.
  for (auto* button : window.findChildren<QAbstractButton*>()) {
    QObject::connect(button, &QAbstractButton::clicked, &window,
                     [&window] { NameAfterCaptions(window); });
  }
}

}  // namespace shell
