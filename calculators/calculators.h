// The operations run by the buttons of the window: three calculators and six transfers.
//
// Each operation takes no arguments and returns nothing; it reads its inputs afresh from the
// controls and writes its results back, all through the property model.
#pragma once

#include "calculators/property_model.h"

namespace calculators {

class Calculators {
 public:
  explicit Calculators(PropertyModel& controls) : controls_(controls) {}

  // Limit price: the price after a number of consecutive limit moves.
  void CalculateLimitPrice();
  void SelectRate10();
  void SelectRate20();
  // The rate kept from one limit price calculation to the next; 0 before the first.
  double LimitRate() const { return limitRate_; }

  // Profit and loss.
  void CalculateProfitAndLoss();

  // Position cost after adding to or reducing a holding.
  void CalculatePositionCost();
  void SelectAddMode();
  void SelectReduceMode();

  // Transfers: copy texts between the last two calculators, unparsed.
  void ClearProfitAndLoss();
  void SwapCostAndTarget();
  void ExportToPositionCost();
  void ExportHoldingToProfitAndLoss();
  void ExportResultToProfitAndLoss();
  void ClearPositionCost();

 private:
  PropertyModel& controls_;
  double limitRate_ = 0.0;
};

}  // namespace calculators
