#include <cmath>
#include <cstdint>
#include <limits>

#include "numtext/numtext.h"

namespace numtext {
namespace {

constexpr double kTwoToThe63 = 9223372036854775808.0;

// Truncated toward zero; what a 64-bit conversion cannot hold becomes its lowest value.
std::int64_t TruncateTo64Bits(double x) {
  if (!(std::fabs(x) < kTwoToThe63)) {  // NaN too
    return std::numeric_limits<std::int64_t>::min();
  }
  return static_cast<std::int64_t>(x);
}

}  // namespace

std::int32_t ToCount(double x) {
  // Keeps the low 32 bits, as the conversion to a narrower integer does since C++20.
  return static_cast<std::int32_t>(TruncateTo64Bits(x));
}

}  // namespace numtext
