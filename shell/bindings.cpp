#include "shell/bindings.h"

#include <QAbstractButton>
#include <array>

#include "calculators/calculators.h"

namespace shell {
namespace {

using Calculators = calculators::Calculators;

struct ClickBinding {
  const char* control;
  void (Calculators::*operation)();
};

constexpr std::array<ClickBinding, 13> kClickBindings = {{
    {"单选框1", &Calculators::SelectRate10},
    {"单选框2", &Calculators::SelectRate20},
    {"按钮1涨跌停计算1", &Calculators::CalculateLimitPrice},
    {"按钮3盈亏计算", &Calculators::CalculateProfitAndLoss},
    {"按钮2互换", &Calculators::SwapCostAndTarget},
    {"按钮2向下导入", &Calculators::ExportToPositionCost},
    {"按钮1", &Calculators::ClearProfitAndLoss},
    {"单选框4", &Calculators::SelectAddMode},
    {"单选框5", &Calculators::SelectReduceMode},
    {"按钮3", &Calculators::CalculatePositionCost},
    {"按钮4", &Calculators::ExportHoldingToProfitAndLoss},
    {"按钮2", &Calculators::ExportResultToProfitAndLoss},
    {"按钮5", &Calculators::ClearPositionCost},
}};

}  // namespace

void BindClicks(QWidget& window, Calculators& operations) {
  for (const ClickBinding& binding : kClickBindings) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromUtf8(binding.control));
    Q_ASSERT_X(button != nullptr, "BindClicks", binding.control);
    QObject::connect(
        button, &QAbstractButton::clicked, button,
        [&operations, operation = binding.operation] { (operations.*operation)(); },
        Qt::DirectConnection);
  }
}

}  // namespace shell
