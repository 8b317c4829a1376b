#include <string>
#include <string_view>

#include "calculators/calculators.h"
#include "calculators/control_names.h"
#include "calculators/kept_arithmetic.h"
#include "calculators/placeholder.h"
#include "numtext/compare.h"
#include "numtext/numtext.h"

namespace calculators {
namespace {

using names::kAverageCostBox;
using names::kTotalQuantityBox;

struct ModeCaption {
  std::string_view label;
  std::string_view add;
  std::string_view reduce;
};
// Written in this order by the mode buttons.
constexpr ModeCaption kModeCaptions[] = {
    {names::kPositionTitleLabel, "补仓加仓成本计算", "减仓成本计算"},
    {names::kTradeQuantityCaption, "加/补仓数量", "减仓数量"},
    {names::kTradePriceCaption, "加/补仓价格", "减仓价格"},
    {names::kAverageCostCaption, "加/补仓后成本", "减仓后成本"},
};

// The two mode buttons lie in different radio groups, so each keeps the other unchecked itself.
void SelectMode(PropertyModel& controls, std::string_view chosen, std::string_view other,
                std::string_view ModeCaption::*wording) {
  if (controls.Checked(chosen) != 1) {
    return;
  }
  controls.SetChecked(other, 0);
  for (const ModeCaption& caption : kModeCaptions) {
    controls.SetText(caption.label, caption.*wording);
  }
}

void WriteResult(PropertyModel& controls, double total, double amount) {
  controls.SetText(kTotalQuantityBox, numtext::FormatNumber(total));
  const double average = numtext::RoundDecimal(Quotient(amount, total), 3);
  controls.SetText(kAverageCostBox, numtext::FormatNumber(average));
}

}  // namespace

void Calculators::SelectAddMode() {
  SelectMode(controls_, names::kAddModeButton, names::kReduceModeButton, &ModeCaption::add);
}

void Calculators::SelectReduceMode() {
  SelectMode(controls_, names::kReduceModeButton, names::kAddModeButton, &ModeCaption::reduce);
}

void Calculators::CalculatePositionCost() {
  const std::string holdingCostText = controls_.Text(names::kHoldingCostBox);
  const std::string tradePriceText = controls_.Text(names::kTradePriceBox);
  // Empty quantities count as 0, but without both prices there is no cost to give.
  if (numtext::IsEmptyText(holdingCostText) || numtext::IsEmptyText(tradePriceText)) {
    WritePlaceholder(controls_, {kTotalQuantityBox, kAverageCostBox});
    return;
  }
  const double heldQuantity = numtext::ParseNumber(controls_.Text(names::kHoldingQuantityBox));
  const double heldCost = numtext::ParseNumber(holdingCostText);
  const double tradeQuantity = numtext::ParseNumber(controls_.Text(names::kTradeQuantityBox));
  const double tradePrice = numtext::ParseNumber(tradePriceText);

  if (controls_.Checked(names::kAddModeButton) == 1) {
    WriteResult(controls_, Sum(heldQuantity, tradeQuantity),
                Sum(Product(heldQuantity, heldCost), Product(tradeQuantity, tradePrice)));
  }
  // With both buttons checked the reduce results replace the add results.
  if (controls_.Checked(names::kReduceModeButton) == 1) {
    if (numtext::IsAtLeast(tradeQuantity, heldQuantity)) {
      controls_.SetText(kTotalQuantityBox, numtext::FormatInteger(0));
      controls_.SetText(kAverageCostBox, numtext::FormatInteger(0));
      return;
    }
    WriteResult(controls_, Difference(heldQuantity, tradeQuantity),
                Difference(Product(heldQuantity, heldCost), Product(tradeQuantity, tradePrice)));
  }
}

}  // namespace calculators
