// The decimal value that ParseNumber reads from a text, before it becomes a double.
#pragma once

#include <array>
#include <cstdint>

namespace numtext {

// Significant mantissa digits that are taken into account; later ones count as zeros before the
// decimal point and are dropped after it.
inline constexpr int kDigitsRead = 25;

// digits × 10^exponent, the digits read as one integer without leading zeros.
//   "-0012.50e3" -> negative, digits "1250", exponent 1
//   "0.000"      -> no digits (a zero)
struct ShortDecimal {
  bool negative = false;
  std::array<char, kDigitsRead> digits{};
  int digit_count = 0;
  std::int64_t exponent = 0;
};

// The double nearest to `decimal`; beyond the largest double an infinity, below half the smallest
// subnormal a zero, both with the decimal's sign.
double NearestDouble(const ShortDecimal& decimal);

}  // namespace numtext
