#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <system_error>

#include "numtext/short_decimal.h"

namespace numtext {
namespace {

// Past these exponents even 25 digits are far out of the double range on the same side, so
// clamping keeps the text for from_chars short without changing the result.
constexpr std::int64_t kLowestExponent = -1000;
constexpr std::int64_t kHighestExponent = 1000;

double NearestMagnitude(const ShortDecimal& decimal) {
  if (decimal.digit_count == 0) {
    return 0.0;
  }
  // "<digits>e<exponent>": at most 25 digits, "e", a sign and four exponent digits.
  std::array<char, kDigitsRead + 8> text{};
  char* end = std::copy_n(decimal.digits.begin(), decimal.digit_count, text.begin());
  *end++ = 'e';
  const std::int64_t exponent = std::clamp(decimal.exponent, kLowestExponent, kHighestExponent);
  end = std::to_chars(end, text.end(), exponent).ptr;

  double magnitude = 0.0;
  if (std::from_chars(text.data(), end, magnitude).ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone out of range. Out of range is far above 1 or far below,
    // so the sign of the exponent tells which end was passed.
    magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return magnitude;
}

}  // namespace

double NearestDouble(const ShortDecimal& decimal) {
  const double magnitude = NearestMagnitude(decimal);
  return decimal.negative ? -magnitude : magnitude;
}

}  // namespace numtext
