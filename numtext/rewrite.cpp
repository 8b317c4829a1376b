#include "numtext/rewrite.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "numtext/char_class.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

constexpr std::int64_t kLowestInteger = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighestInteger = std::numeric_limits<std::int32_t>::max();

// The value is held in 64 bits and clamped to 32; once the magnitude is past the 32-bit range no
// further digit can bring it back, so it stops growing there and never overflows.
constexpr std::int64_t kMagnitudeCap = kHighestInteger + 1;

std::int32_t ReadInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kMagnitudeCap);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp(value, kLowestInteger, kHighestInteger));
}

// A box never shows a zero: it is left empty instead.
std::string EmptyForZero(std::string text) {
  return text == "0" ? std::string() : text;
}

}  // namespace

std::string RewriteIntegerText(std::string_view text) {
  return EmptyForZero(FormatInteger(ReadInteger(text)));
}

std::string RewriteDecimalText(std::string_view text) {
  return EmptyForZero(FormatNumber(ParseWithoutFold(text)));
}

}  // namespace numtext
