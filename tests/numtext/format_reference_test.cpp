// FormatNumber against a slow model that follows the rounding rules literally on the exact decimal
// expansion of each double, over many doubles of the kinds where the rounding is delicate.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "numtext/numtext.h"
#include "same_double.h"

namespace {

// Digits after the first that hold the whole exact decimal expansion of a positive double: one
// below 2^53 × 2^-k is an integer times 5^k over 10^k, so it has at most 17 + 0.7k significant
// digits; one from 2^53 on is an integer of at most 309 digits.
int ExactPrecision(double magnitude) {
  int binary_exponent = 0;
  std::frexp(magnitude, &binary_exponent);
  const int k = 53 - binary_exponent;
  return k > 0 ? 17 + 7 * k / 10 + 1 : 309;
}

struct Decimal {
  std::string digits;  // significant digits, the first not '0'
  int exponent;        // of the first digit
};

Decimal ExactDecimal(double magnitude) {
  std::array<char, 1200> text{};
  const char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                  std::chars_format::scientific, ExactPrecision(magnitude))
                        .ptr;
  const std::string_view written(text.data(), end);
  const std::size_t e = written.find('e');
  Decimal exact{std::string(1, written[0]), std::atoi(std::string(written.substr(e + 1)).c_str())};
  exact.digits += written.substr(2, e - 2);
  return exact;
}

// Keeps `count` digits, adding one unit in the last kept place when the next digit is 5 or more.
Decimal RoundHalfUp(Decimal decimal, std::size_t count) {
  const bool up = decimal.digits[count] >= '5';
  decimal.digits.resize(count);
  for (std::size_t i = count; up && i-- > 0;) {
    if (decimal.digits[i] != '9') {
      ++decimal.digits[i];
      return decimal;
    }
    decimal.digits[i] = '0';
  }
  if (up) {  // every digit was 9 and is 0 now
    decimal.digits[0] = '1';
    ++decimal.exponent;
  }
  return decimal;
}

std::string WithoutTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
  }
  return digits;
}

std::string ReferenceFormat(double x) {
  const Decimal shown = RoundHalfUp(RoundHalfUp(ExactDecimal(std::fabs(x)), 17), 13);
  const int e = shown.exponent;
  std::string text = x < 0 ? "-" : "";
  if (e < -4 || e >= 13) {
    const std::string mantissa = WithoutTrailingZeros(shown.digits);
    text += mantissa[0];
    if (mantissa.size() > 1) {
      text += '.';
      text += mantissa.substr(1);
    }
    text += e < 0 ? "e-" : "e+";
    const std::string exponent_digits = std::to_string(std::abs(e));
    text.append(3 - exponent_digits.size(), '0');
    text += exponent_digits;
    return text;
  }
  // Fixed: shift the point through a digit string padded with zeros on both sides.
  const std::string padded = std::string(4, '0') + shown.digits;
  const std::size_t point = static_cast<std::size_t>(4 + e + 1);
  std::string integer = padded.substr(0, point);
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  text += integer;
  std::string fraction = padded.substr(point);
  fraction.erase(fraction.find_last_not_of('0') + 1);  // all of it when it is all zeros
  if (!fraction.empty()) {
    text += '.';
    text += fraction;
  }
  return text;
}

// The double nearest to digits × 10^exponent, the digits read as an integer.
double FromDecimal(std::string digits, int exponent) {
  std::string text = std::move(digits);
  text += 'e';
  text += std::to_string(exponent);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void ExpectMatchesReference(const std::vector<double>& values, const char* kind) {
  int failures = 0;
  for (double x : values) {
    if (x == 0 || !std::isfinite(x)) {
      continue;
    }
    const std::string expected = ReferenceFormat(x);
    const std::string actual = numtext::FormatNumber(x);
    if (actual != expected && ++failures <= 10) {
      ADD_FAILURE() << kind << ": " << numtext_test::Describe(x) << " gives " << actual << ", want "
                    << expected;
    }
  }
  EXPECT_EQ(failures, 0) << kind;
}

// The model itself, on documented rows that exercise each of its steps.
TEST(FormatNumberModel, GivesTheDocumentedTexts) {
  const struct {
    double x;
    const char* expected;
  } rows[] = {
      {62071.756600285, "62071.75660029"},
      {2460591476006.5, "2460591476007"},
      {9999999999999.5, "1e+013"},
      {123456789012345, "1.234567890123e+014"},
      {0.000123456789012345, "0.0001234567890123"},
      {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
      {-2.5, "-2.5"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ReferenceFormat(row.x), row.expected) << row.expected;
  }
}

class FormatNumberReference : public testing::Test {
 protected:
  std::mt19937_64 random_{20261211};

  double Neighbour(double x, int steps) {
    for (; steps > 0; --steps) {
      x = std::nextafter(x, HUGE_VAL);
    }
    for (; steps < 0; ++steps) {
      x = std::nextafter(x, -HUGE_VAL);
    }
    return x;
  }
  // x and its neighbours up to `reach` doubles away on both sides.
  void AddAround(std::vector<double>& values, double x, int reach) {
    for (int steps = -reach; steps <= reach; ++steps) {
      values.push_back(Neighbour(x, steps));
    }
  }
  std::string RandomDigits(int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
      digits += static_cast<char>('0' + random_() % 10);
    }
    return digits;
  }
  int RandomInt(int low, int high) {
    return low + static_cast<int>(random_() % static_cast<std::uint64_t>(high - low + 1));
  }
};

TEST_F(FormatNumberReference, RandomBitPatterns) {
  std::vector<double> values;
  for (int i = 0; i < 100000; ++i) {
    values.push_back(std::bit_cast<double>(random_()));
  }
  ExpectMatchesReference(values, "random bits");
}

TEST_F(FormatNumberReference, Subnormals) {
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    values.push_back(std::bit_cast<double>(random_() & 0x800FFFFFFFFFFFFF));
  }
  AddAround(values, std::numeric_limits<double>::min(), 50);
  AddAround(values, std::numeric_limits<double>::denorm_min(), 0);
  ExpectMatchesReference(values, "subnormals");
}

TEST_F(FormatNumberReference, ShortDecimals) {
  std::vector<double> values;
  for (int i = 0; i < 50000; ++i) {
    values.push_back(FromDecimal(RandomDigits(RandomInt(1, 6)), RandomInt(-25, 20)));
  }
  ExpectMatchesReference(values, "short decimals");
}

// 14-digit decimals ending in 5 lie at or next to a tie of the 13-digit rounding: the double
// rounding through 17 digits decides them.
TEST_F(FormatNumberReference, NearTiesAtTheFourteenthDigit) {
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    AddAround(values, FromDecimal('1' + RandomDigits(12) + '5', RandomInt(-40, 40)), 2);
  }
  ExpectMatchesReference(values, "near 14th-digit ties");
}

TEST_F(FormatNumberReference, NearPowersOfTenAndTheFormBoundaries) {
  std::vector<double> values;
  for (int power = -323; power <= 308; ++power) {
    AddAround(values, FromDecimal("1", power), 8);
  }
  for (double boundary : {1e13, 9999999999999.5, 9999999999999.4, 1e-4, 0.000099999999999995,
                          0.00009999999999995, 1e-5}) {
    AddAround(values, boundary, 2000);
  }
  ExpectMatchesReference(values, "near powers of ten");
}

// Doubles whose exact expansion has 18 significant digits ending in 5: to_chars breaks such ties
// to even, the rule asks for half up.
TEST_F(FormatNumberReference, ExactTiesAtTheSeventeenthDigit) {
  std::vector<double> values;
  while (values.size() < 2000) {
    const std::uint64_t odd = (random_() >> RandomInt(11, 63)) | 1;
    const double x = std::ldexp(static_cast<double>(odd), -RandomInt(1, 30));
    const Decimal exact = ExactDecimal(x);
    if (exact.digits.find_last_not_of('0') == 17) {  // and so ends in 5
      values.push_back(x);
    }
  }
  ExpectMatchesReference(values, "17th-digit ties");
}

}  // namespace
