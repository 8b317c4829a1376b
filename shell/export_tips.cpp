#include "shell/export_tips.h"

#include <QWidget>
#include <array>

#include "shell/tip_provider.h"

namespace shell {
namespace {

struct ExportTip {
  const char* provider;
  const char* target;
  const char* text;
};

constexpr const char* kExportUp = "向上导出到【盈亏计算】中";

constexpr std::array<ExportTip, 3> kExportTips = {{
    {"气球提示框1", "按钮2向下导入", "向下导出到【补仓加仓成本计算】中"},
    {"气球提示框2", "按钮4", kExportUp},
    {"气球提示框2", "按钮2", kExportUp},
}};

template <class T>
T& Child(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromUtf8(name));
  Q_ASSERT_X(child != nullptr, "AttachExportTips", name);
  return *child;
}

}  // namespace

void AttachExportTips(QWidget& window) {
  for (const ExportTip& tip : kExportTips) {
    Child<TipProvider>(window, tip.provider)
        .SetTip(Child<QWidget>(window, tip.target), QString::fromUtf8(tip.text));
  }
}

}  // namespace shell
