// The limit moves stop early once the price no longer changes; a plain loop over every move is
// the reference that they must match bit for bit, at every kind of fixed point.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "calculators/calculators.h"
#include "calculators/limit_price.h"
#include "memory_controls.h"
#include "numtext/numtext.h"
#include "numtext/wide.h"

namespace calculators {
namespace {

// Enough moves for every case below to reach its fixed point.
constexpr std::int32_t kMaxMoves = 20000;
constexpr std::int32_t kEveryCountUpTo = 400;

// prices[i] is the price after i moves, each move run in full.
std::vector<double> PricesOfPlainLoop(double price, double rate, bool up) {
  std::vector<double> prices{price};
  for (std::int32_t move = 1; move <= kMaxMoves; ++move) {
    const double step = numtext::Keep(numtext::Wide{price} * rate);
    price = up ? numtext::Keep(numtext::Wide{price} + step)
               : numtext::Keep(numtext::Wide{price} - step);
    prices.push_back(price);
  }
  return prices;
}

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

struct FixedPointCase {
  const char* name;
  const char* price;
  const char* rateButton;  // nullptr: none checked, so the rate is 0
  double rate;
  bool up;
  int fixedPointClass;  // of std::fpclassify
};

const FixedPointCase kCases[] = {
    {"10 up at 10% to +inf", "10", "单选框1", 0.1, true, FP_INFINITE},
    {"-10 up at 10% to -inf", "-10", "单选框1", 0.1, true, FP_INFINITE},
    {"10 up at 5% to +inf", "10", "单选框3", 0.05, true, FP_INFINITE},
    {"near the top up at 20% to +inf", "1.7e308", "单选框2", 0.2, true, FP_INFINITE},
    {"subnormal up at 10% to +inf", "1e-320", "单选框1", 0.1, true, FP_INFINITE},
    {"10 down at 10% to a subnormal", "10", "单选框1", 0.1, false, FP_SUBNORMAL},
    {"10 down at 5% to a subnormal", "10", "单选框3", 0.05, false, FP_SUBNORMAL},
    {"-10 down at 20% to a negative subnormal", "-10", "单选框2", 0.2, false, FP_SUBNORMAL},
    {"subnormal down at 5%", "1e-310", "单选框3", 0.05, false, FP_SUBNORMAL},
    {"zero up at 10% stays zero", "0", "单选框1", 0.1, true, FP_ZERO},
    {"-0 down at rate 0 becomes +0", "-0", nullptr, 0.0, false, FP_ZERO},
    {"123.456 up at rate 0", "123.456", nullptr, 0.0, true, FP_NORMAL},
    {"-5.5 down at rate 0", "-5.5", nullptr, 0.0, false, FP_NORMAL},
    {"+inf down at 10% to NaN", "1e999", "单选框1", 0.1, false, FP_NAN},
    {"-inf down at 20% to NaN", "-1e999", "单选框2", 0.2, false, FP_NAN},
    {"-inf up at 10% stays -inf", "-1e999", "单选框1", 0.1, true, FP_INFINITE},
};

TEST(LimitMovesTest, StoppingAtAFixedPointMatchesThePlainLoop) {
  for (const FixedPointCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::vector<double> prices =
        PricesOfPlainLoop(numtext::ParseNumber(c.price), c.rate, c.up);
    std::int32_t arrival = 1;
    while (arrival <= kMaxMoves && Bits(prices[static_cast<std::size_t>(arrival)]) !=
                                       Bits(prices[static_cast<std::size_t>(arrival - 1)])) {
      ++arrival;
    }
    ASSERT_LE(arrival, kMaxMoves) << "the case never reaches its fixed point";
    ASSERT_EQ(std::fpclassify(prices.back()), c.fixedPointClass);

    MemoryControls controls;
    Calculators calculators(controls);
    controls.ClickRadio(c.rateButton != nullptr ? c.rateButton : "单选框5");
    controls.SetText("编辑框1涨跌停计算1", c.price);
    controls.SelectItem("组合框1", c.up ? 0 : 1);
    const LimitDirection direction = c.up ? LimitDirection::kUp : LimitDirection::kDown;

    // Every early count as well: rounding each step to double without the wide intermediate
    // shows there, at rare moves, before the paths meet again.
    std::vector<std::int32_t> counts = {-1, arrival - 1, arrival, arrival + 1, kMaxMoves};
    for (std::int32_t count = 0; count <= kEveryCountUpTo; ++count) {
      counts.push_back(count);
    }
    for (const std::int32_t count : counts) {
      SCOPED_TRACE("count " + std::to_string(count));
      const double expected = count >= 1 ? prices[static_cast<std::size_t>(count)] : 0.0;
      EXPECT_EQ(Bits(PriceAfterLimitMoves(prices[0], c.rate, direction, count)), Bits(expected));

      controls.SetText("编辑框2涨跌停计算2", std::to_string(count));
      calculators.CalculateLimitPrice();
      EXPECT_EQ(controls.Text("编辑框3涨跌停计算3"),
                numtext::FormatNumber(numtext::RoundDecimal(expected, 2)));
    }
    // The plain loop shows the price unchanged from the arrival on, so the largest count ends
    // where kMaxMoves does.
    EXPECT_EQ(Bits(PriceAfterLimitMoves(prices[0], c.rate, direction,
                                        std::numeric_limits<std::int32_t>::max())),
              Bits(prices.back()));
  }
}

}  // namespace
}  // namespace calculators
