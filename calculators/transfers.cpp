#include <span>
#include <string>
#include <string_view>

#include "calculators/calculators.h"
#include "calculators/control_names.h"
#include "calculators/placeholder.h"

namespace calculators {
namespace {

using namespace names;

struct Copy {
  std::string_view from;
  std::string_view to;
};

constexpr Copy kToPositionCost[] = {
    {kProfitQuantityBox, kHoldingQuantityBox},
    {kProfitCostBox, kHoldingCostBox},
};
constexpr Copy kHoldingToProfitAndLoss[] = {
    {kHoldingQuantityBox, kProfitQuantityBox},
    {kHoldingCostBox, kProfitCostBox},
};
constexpr Copy kResultToProfitAndLoss[] = {
    {kTotalQuantityBox, kProfitQuantityBox},
    {kAverageCostBox, kProfitCostBox},
    {kTradePriceBox, kProfitTargetBox},
};

constexpr std::string_view kProfitAndLossInputs[] = {kProfitQuantityBox, kProfitCostBox,
                                                     kProfitTargetBox};
constexpr std::string_view kPositionCostBoxes[] = {kHoldingQuantityBox, kHoldingCostBox,
                                                   kTradeQuantityBox,   kTradePriceBox,
                                                   kTotalQuantityBox,   kAverageCostBox};

// Texts travel unparsed, each copy finished before the next begins.
void CopyTexts(PropertyModel& controls, std::span<const Copy> copies) {
  for (const Copy& copy : copies) {
    controls.SetText(copy.to, controls.Text(copy.from));
  }
}

void Empty(PropertyModel& controls, std::span<const std::string_view> boxes) {
  for (const std::string_view box : boxes) {
    controls.SetText(box, "");
  }
}

}  // namespace

void Calculators::ClearProfitAndLoss() {
  Empty(controls_, kProfitAndLossInputs);
  WritePlaceholder(controls_, {kCapitalLabel, kProfitLabel, kChangeLabel});
}

void Calculators::SwapCostAndTarget() {
  const std::string cost = controls_.Text(kProfitCostBox);
  const std::string target = controls_.Text(kProfitTargetBox);
  controls_.SetText(kProfitCostBox, target);
  controls_.SetText(kProfitTargetBox, cost);
}

void Calculators::ExportToPositionCost() {
  CopyTexts(controls_, kToPositionCost);
}

void Calculators::ExportHoldingToProfitAndLoss() {
  CopyTexts(controls_, kHoldingToProfitAndLoss);
}

void Calculators::ExportResultToProfitAndLoss() {
  CopyTexts(controls_, kResultToProfitAndLoss);
}

void Calculators::ClearPositionCost() {
  Empty(controls_, kPositionCostBoxes);
}

}  // namespace calculators
