#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "numtext/shown_digits.h"

namespace numtext {
namespace {

// The quiet NaN that 0/0, inf - inf and 0 * inf give on the platform the texts come from.
constexpr std::uint64_t kUndefinedBits = 0xFFF8000000000000;

// Below 10^-4 and from 10^13 on, after rounding, the scientific form is written.
constexpr int kLowestFixedExponent = -4;
constexpr int kHighestFixedExponent = kShownDigits - 1;

std::string SpecialText(double x) {
  if (std::isinf(x)) {
    return x < 0 ? "-1.#INF" : "1.#INF";
  }
  if (std::bit_cast<std::uint64_t>(x) == kUndefinedBits) {
    return "-1.#IND";
  }
  return std::signbit(x) ? "-1.#QNAN" : "1.#QNAN";
}

// "D1.D2…Dk" or "D1" without trailing zeros, then "e", the sign and three exponent digits.
std::string ScientificText(std::string_view digits, int exponent) {
  std::string text(1, digits[0]);
  if (digits.size() > 1) {
    text += '.';
    text += digits.substr(1);
  }
  text += exponent < 0 ? "e-" : "e+";
  const int magnitude = std::abs(exponent);  // at most 324
  text += static_cast<char>('0' + magnitude / 100);
  text += static_cast<char>('0' + magnitude / 10 % 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

// The significant digits without trailing zeros, placed around the decimal point.
std::string FixedText(std::string_view digits, int exponent) {
  if (exponent < 0) {
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + std::string(digits);
  }
  const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integer_digits) {
    return std::string(digits) + std::string(integer_digits - digits.size(), '0');
  }
  return std::string(digits.substr(0, integer_digits)) + "." +
         std::string(digits.substr(integer_digits));
}

}  // namespace

std::string FormatNumber(double x) {
  if (x == 0) {
    return "0";
  }
  if (!std::isfinite(x)) {
    return SpecialText(x);
  }
  const ShownDigits shown = RoundToShownDigits(std::fabs(x));
  std::string_view digits(shown.digits.data(), shown.digits.size());
  digits = digits.substr(0, digits.find_last_not_of('0') + 1);

  const bool scientific =
      shown.exponent < kLowestFixedExponent || shown.exponent > kHighestFixedExponent;
  const std::string text =
      scientific ? ScientificText(digits, shown.exponent) : FixedText(digits, shown.exponent);
  return x < 0 ? "-" + text : text;
}

std::string FormatInteger(std::int32_t n) {
  std::array<char, 12> text{};  // "-2147483648"
  char* end = std::to_chars(text.data(), text.data() + text.size(), n).ptr;
  return std::string(text.data(), end);
}

}  // namespace numtext
