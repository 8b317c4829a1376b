#include <cmath>
#include <string>

#include "calculators/calculators.h"
#include "calculators/control_names.h"
#include "calculators/kept_arithmetic.h"
#include "calculators/placeholder.h"
#include "numtext/compare.h"
#include "numtext/numtext.h"

namespace calculators {
namespace {

using names::kCapitalLabel;
using names::kChangeLabel;
using names::kProfitLabel;

constexpr Colour kLossColour = 0x808000;
constexpr Colour kGainColour = 0x0000FF;

// A loss is shown as a "-" joined in front of the text of its (normally positive) size.
std::string LossText(const std::string& sizeText) {
  return "-" + sizeText;
}

std::string MoneyText(double amount) {
  return numtext::FormatGrouped(numtext::RoundDecimal(amount, 3));
}

double RoundedPercentage(double change, double cost) {
  return numtext::RoundDecimal(Product(Quotient(change, cost), 100), 2);
}

// Multiplying by -1 flips the sign of a number but hands a NaN on as it is; written out because
// the compiler would otherwise fold it into a negation, which flips the sign of a NaN too.
double TimesMinusOne(double x) {
  return std::isnan(x) ? x : -x;
}

}  // namespace

void Calculators::CalculateProfitAndLoss() {
  const std::string quantityText = controls_.Text(names::kProfitQuantityBox);
  const std::string costText = controls_.Text(names::kProfitCostBox);
  const std::string targetText = controls_.Text(names::kProfitTargetBox);
  const bool noQuantity = numtext::IsEmptyText(quantityText);
  const bool noCost = numtext::IsEmptyText(costText);
  const bool noTarget = numtext::IsEmptyText(targetText);
  if (int{noQuantity} + int{noCost} + int{noTarget} >= 2) {
    WritePlaceholder(controls_, {kCapitalLabel, kProfitLabel, kChangeLabel});
    return;
  }
  const double quantity = numtext::ParseNumber(quantityText);
  const double cost = numtext::ParseNumber(costText);
  const double target = numtext::ParseNumber(targetText);

  const double capital = Product(quantity, cost);
  if (noTarget) {
    WritePlaceholder(controls_, {kProfitLabel, kChangeLabel});
  }
  controls_.SetText(kCapitalLabel, MoneyText(capital));

  const bool loss = numtext::IsGreater(cost, target);
  if (noQuantity) {
    // Only the percentage can be given, and a negative cost gets no sign correction here.
    if (loss) {
      const double percentage = RoundedPercentage(Difference(cost, target), cost);
      controls_.SetText(kChangeLabel, LossText(numtext::FormatNumber(percentage)));
      controls_.SetTextColor(kChangeLabel, kLossColour);
    } else {
      const double percentage = RoundedPercentage(Difference(target, cost), cost);
      controls_.SetText(kChangeLabel, numtext::FormatNumber(percentage));
      controls_.SetTextColor(kChangeLabel, kGainColour);
    }
    WritePlaceholder(controls_, {kProfitLabel, kCapitalLabel});
    return;
  }

  if (loss) {
    if (!numtext::IsGreaterThanZero(target)) {
      WritePlaceholder(controls_, {kChangeLabel, kProfitLabel});
      return;
    }
    const double lossAmount = Difference(capital, Product(quantity, target));
    const double percentage = RoundedPercentage(Difference(cost, target), cost);
    controls_.SetText(kProfitLabel, LossText(MoneyText(lossAmount)));
    controls_.SetText(kChangeLabel, LossText(numtext::FormatNumber(percentage)));
    controls_.SetTextColor(kProfitLabel, kLossColour);
    controls_.SetTextColor(kChangeLabel, kLossColour);
  } else {
    controls_.SetText(kProfitLabel, MoneyText(Difference(Product(quantity, target), capital)));
    const double percentage = RoundedPercentage(Difference(target, cost), cost);
    if (numtext::IsLessThanZero(cost)) {
      if (noTarget) {
        WritePlaceholder(controls_, {kChangeLabel, kProfitLabel, kCapitalLabel});
        return;
      }
      // Over a negative cost the quotient has the wrong sign for a gain.
      controls_.SetText(kChangeLabel, numtext::FormatNumber(TimesMinusOne(percentage)));
    } else {
      controls_.SetText(kChangeLabel, numtext::FormatNumber(percentage));
    }
    controls_.SetTextColor(kChangeLabel, kGainColour);
    controls_.SetTextColor(kProfitLabel, kGainColour);
  }

  if (noCost) {
    WritePlaceholder(controls_, {kCapitalLabel, kProfitLabel, kChangeLabel});
  }
}

}  // namespace calculators
