#include "calculators/limit_price.h"

#include <bit>
#include <cstdint>
#include <string_view>

#include "calculators/calculators.h"
#include "calculators/control_names.h"
#include "calculators/kept_arithmetic.h"
#include "numtext/numtext.h"

namespace calculators {
namespace {

constexpr int kUpItem = 0;

struct RateButton {
  std::string_view name;
  double rate;
};
// Tested in this order, so of several checked buttons the last one wins.
constexpr RateButton kRateButtons[] = {
    {names::kRate10Button, 0.1},
    {names::kRate20Button, 0.2},
    {names::kRate5Button, 0.05},
};

double MoveOnce(double price, double rate, LimitDirection direction) {
  const double step = Product(price, rate);
  return direction == LimitDirection::kUp ? Sum(price, step) : Difference(price, step);
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

double PriceAfterLimitMoves(double price, double rate, LimitDirection direction,
                            std::int32_t count) {
  double result = 0.0;
  for (std::int32_t move = 0; move < count; ++move) {
    const double next = MoveOnce(price, rate, direction);
    // A move depends on the price alone: once one leaves it unchanged (a fixed point, an
    // infinity, zero, a NaN) so would every later one, and a huge count need not be run out.
    const bool settled = SameBits(next, price);
    price = next;
    result = price;
    if (settled) {
      break;
    }
  }
  return result;
}

void Calculators::CalculateLimitPrice() {
  for (const auto& [button, rate] : kRateButtons) {
    if (controls_.Checked(button) == 1) {
      limitRate_ = rate;
    }
  }
  const double price = numtext::ParseNumber(controls_.Text(names::kLimitPriceBox));
  const LimitDirection direction = controls_.SelectedIndex(names::kDirectionBox) == kUpItem
                                       ? LimitDirection::kUp
                                       : LimitDirection::kDown;
  const std::int32_t count =
      numtext::ToCount(numtext::ParseNumber(controls_.Text(names::kLimitCountBox)));
  const double result = PriceAfterLimitMoves(price, limitRate_, direction, count);
  controls_.SetText(names::kLimitResultBox,
                    numtext::FormatNumber(numtext::RoundDecimal(result, 2)));
}

void Calculators::SelectRate10() {
  if (controls_.Checked(names::kRate10Button) == 1) {
    controls_.SetChecked(names::kRate20Button, 0);
  }
}

void Calculators::SelectRate20() {
  if (controls_.Checked(names::kRate20Button) == 1) {
    controls_.SetChecked(names::kRate10Button, 0);
  }
}

}  // namespace calculators
