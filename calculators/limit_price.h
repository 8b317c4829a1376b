// The arithmetic of the limit price calculator, apart from the controls.
#pragma once

#include <cstdint>

namespace calculators {

enum class LimitDirection { kUp, kDown };

// The price after `count` consecutive limit moves, each of `rate` times the price left by the
// previous one; 0 when count is below 1. No rounding to cents between moves.
double PriceAfterLimitMoves(double price, double rate, LimitDirection direction,
                            std::int32_t count);

}  // namespace calculators
