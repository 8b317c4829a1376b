// The 13 significant digits that FormatNumber shows, before they are laid out.
#pragma once

#include <array>

namespace numtext {

inline constexpr int kShownDigits = 13;

// magnitude ≈ D1.D2…D13 × 10^exponent with D1 ≠ '0'.
//   62071.756600285 (stored as 62071.75660028499987…): 17 digits 6.2071756600285000, so D14 is
//   5 and the digits are "6207175660029", exponent 4
//   9999999999999.5 -> "1000000000000", exponent 13
struct ShownDigits {
  std::array<char, kShownDigits> digits{};
  int exponent = 0;
};

// Rounds a finite, positive magnitude half up to 17 significant digits, then that digit string half
// up to 13.
ShownDigits RoundToShownDigits(double magnitude);

}  // namespace numtext
