#include "numtext/shown_digits.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace numtext {
namespace {

constexpr int kIntermediateDigits = 17;

}  // namespace

ShownDigits RoundToShownDigits(double magnitude) {
  // to_chars rounds the exact value correctly but breaks ties to even, where half up is asked for.
  // The two differ only in D17 and only when D17 is even, which then stays below 9 and cannot
  // carry into D14: the 13 digits kept are the same either way.
  // The text is "D1.D2…D17e±XX", with the exponent's sign at a fixed place.
  constexpr std::size_t kFractionAt = 2;
  constexpr std::size_t kExponentSignAt = kFractionAt + (kIntermediateDigits - 1) + 1;
  std::array<char, 32> text{};
  const char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                  std::chars_format::scientific, kIntermediateDigits - 1)
                        .ptr;
  ShownDigits shown;
  shown.digits[0] = text[0];
  std::copy_n(text.begin() + kFractionAt, kShownDigits - 1, shown.digits.begin() + 1);
  // from_chars takes "-" but not "+".
  const std::size_t exponent_at = kExponentSignAt + (text[kExponentSignAt] == '+' ? 1 : 0);
  std::from_chars(text.data() + exponent_at, end, shown.exponent);

  const char first_dropped = text[kFractionAt + kShownDigits - 1];
  if (first_dropped >= '5') {
    auto digit = shown.digits.rbegin();
    for (; digit != shown.digits.rend() && *digit == '9'; ++digit) {
      *digit = '0';
    }
    if (digit == shown.digits.rend()) {
      shown.digits[0] = '1';  // the carry ran out of D1: 9.99…9 became 10.00…0
      ++shown.exponent;
    } else {
      ++*digit;
    }
  }
  return shown;
}

}  // namespace numtext
