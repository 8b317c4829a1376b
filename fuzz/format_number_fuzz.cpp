// FormatNumber, FormatGrouped, RoundDecimal and ToCount on arbitrary doubles: every 8 bytes of the
// input are the bit pattern of one double.
//
// FormatNumber must write exactly what its two-step half-up rounding of the exact binary value
// gives (the reference below works from the exact decimal expansion that printf writes), and its
// text must read back to a double with the same text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz/check.h"
#include "numtext/numtext.h"
#include "tests/reliability/number_shape.h"

namespace {

// Adds one unit in the last place of a digit string; returns false when the carry runs out of it.
bool Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

// Keeps `count` digits, half up; a carry out of the first digit raises the exponent.
void RoundHalfUp(std::string& digits, std::size_t count, int& exponent) {
  const bool up = digits[count] >= '5';
  digits.resize(count);
  if (up && !Increment(digits)) {
    digits = "1" + std::string(count - 1, '0');
    ++exponent;
  }
}

std::string FormatReference(double x) {
  if (std::isinf(x)) {
    return x > 0 ? "1.#INF" : "-1.#INF";
  }
  if (std::isnan(x)) {
    if (fuzz::Bits(x) == 0xFFF8000000000000) {
      return "-1.#IND";
    }
    return std::signbit(x) ? "-1.#QNAN" : "1.#QNAN";
  }
  if (x == 0) {
    return "0";
  }
  // A double's exact decimal expansion has at most 767 significant digits.
  char exact[900];
  std::snprintf(exact, sizeof exact, "%.800e", std::fabs(x));
  std::string digits = std::string(1, exact[0]) + std::string(exact + 2, 800);
  int exponent = std::atoi(std::strchr(exact, 'e') + 1);
  RoundHalfUp(digits, 17, exponent);
  RoundHalfUp(digits, 13, exponent);

  std::string text;
  if (exponent < -4 || exponent >= 13) {
    text = digits.substr(0, 1) + "." + digits.substr(1);
  } else if (exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    text = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
  } else {
    text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  if (exponent < -4 || exponent >= 13) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += suffix;
  }
  return (x < 0 ? "-" : "") + text;
}

void CheckFormat(double x) {
  const std::string text = numtext::FormatNumber(x);
  FUZZ_CHECK_MSG(reliability::IsNumberText(text), text);
  FUZZ_CHECK_MSG(text == FormatReference(x), text + " != " + FormatReference(x));
  if (std::isfinite(x)) {
    FUZZ_CHECK_MSG(numtext::FormatNumber(numtext::ParseNumber(text)) == text, text);
  }

  const std::string grouped = numtext::FormatGrouped(x);
  FUZZ_CHECK_MSG(reliability::IsGroupedText(grouped), grouped);
  std::string ungrouped = grouped;
  std::erase(ungrouped, ',');
  FUZZ_CHECK_MSG(ungrouped == text, grouped);
}

void CheckRound(double x, int places) {
  const double rounded = numtext::RoundDecimal(x, places);
  if (!std::isfinite(x) || x == 0) {
    FUZZ_CHECK(std::isnan(x) ? std::isnan(rounded) : fuzz::Bits(rounded) == fuzz::Bits(x));
    return;
  }
  FUZZ_CHECK(std::signbit(rounded) == std::signbit(x));
  const std::string text = numtext::FormatNumber(rounded);
  if (reliability::IsFixedNumberText(text)) {
    const auto point = text.find('.');
    const auto decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    FUZZ_CHECK_MSG(decimals <= static_cast<std::size_t>(places), text);
  }
  // Half a unit of the last kept place, the nudge, and the rounding of scaling and unscaling.
  const long double unit = std::pow(10.0L, -places);
  const long double bound = unit * (0.5L + 2e-12L) + std::fabs(x) * 0x1p-50L;
  FUZZ_CHECK_MSG(std::fabs(static_cast<long double>(rounded) - x) <= bound, text);
}

// The low 32 bits of the truncated value, worked out with exact floating-point remainders.
void CheckCount(double x) {
  const std::int32_t count = numtext::ToCount(x);
  std::uint32_t expected = 0;
  if (std::isfinite(x) && std::fabs(x) < 0x1p63) {
    double low = std::fmod(std::trunc(x), 0x1p32);
    if (low < 0) {
      low += 0x1p32;
    }
    expected = static_cast<std::uint32_t>(low);
  }
  FUZZ_CHECK(static_cast<std::uint32_t>(count) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double x;
    std::memcpy(&x, data + at, sizeof x);
    CheckFormat(x);
    for (const int places : {0, 2, 3}) {
      CheckRound(x, places);
    }
    CheckCount(x);
  }
  return 0;
}
