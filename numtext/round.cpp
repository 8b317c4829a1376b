#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "numtext/numtext.h"

namespace numtext {
namespace {

// Added to the scaled magnitude, so that a scaled value short of a half by less than this (the
// binary error of a decimal like 1.005) still rounds up.
constexpr double kNudge = 1e-12;
constexpr double kHalf = 0.5;

// Beyond 10^308 every power is infinite; the cap keeps the text short.
constexpr std::int64_t kHighestFinitePower = 308;

// The double nearest to 10^power for power >= 0: exact up to 10^22, infinite beyond 10^308.
double PowerOfTen(std::int64_t power) {
  if (power > kHighestFinitePower) {
    return std::numeric_limits<double>::infinity();
  }
  std::array<char, 8> text{'1', 'e'};
  const char* end = std::to_chars(text.data() + 2, text.data() + text.size(), power).ptr;
  double value = 0.0;
  std::from_chars(text.data(), end, value);
  return value;
}

}  // namespace

double RoundDecimal(double x, int places) {
  if (x == 0 || !std::isfinite(x)) {
    return x;
  }
  const double magnitude = std::fabs(x);
  const double scale = PowerOfTen(std::abs(std::int64_t{places}));
  const double scaled = places >= 0 ? magnitude * scale : magnitude / scale;
  if (std::isinf(scaled)) {
    return x;  // too large to scale, and so without a fraction to round
  }
  const double nudged = scaled + kNudge;
  double kept = std::trunc(nudged);
  if (nudged - kept >= kHalf) {
    kept += 1;
  }
  // With places below -308 the scale is infinite; nothing is kept then, and 0 × inf would be NaN.
  const double rounded = places >= 0 ? kept / scale : (kept == 0 ? 0.0 : kept * scale);
  return std::signbit(x) ? -rounded : rounded;
}

}  // namespace numtext
