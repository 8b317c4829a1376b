#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numtext/numtext.h"
#include "same_double.h"

namespace {

using numtext::FormatNumber;
using numtext::RoundDecimal;
using numtext_test::SameDouble;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

struct RoundRow {
  const char* name;
  double x;
  int places;
  double expected;
};

void ExpectRounds(std::initializer_list<RoundRow> rows) {
  for (const RoundRow& row : rows) {
    EXPECT_TRUE(SameDouble(RoundDecimal(row.x, row.places), row.expected)) << row.name;
  }
}

TEST(RoundDecimal, DocumentedTable) {
  const struct {
    const char* name;
    double x;
    int places;
    double expected;
    const char* shown;
  } rows[] = {
      {"2.675, 2 -> 2.68 (scaled to exactly 267.5)", 2.675, 2, 2.68, "2.68"},
      {"1.005, 2 -> 1.01 (the nudge)", 1.005, 2, 1.01, "1.01"},
      {"0.285, 2 -> 0.29 (the nudge)", 0.285, 2, 0.29, "0.29"},
      {"0.145, 2 -> 0.15 (the nudge)", 0.145, 2, 0.15, "0.15"},
      {"1.0005, 3 -> 1.001", 1.0005, 3, 1.001, "1.001"},
      {"1234.5675, 3 -> 1234.568", 1234.5675, 3, 1234.568, "1234.568"},
      {"99.995, 2 -> 100", 99.995, 2, 100, "100"},
      {"-1.005, 2 -> -1.01", -1.005, 2, -1.01, "-1.01"},
      {"-2.5, 0 -> -3 (away from zero)", -2.5, 0, -3, "-3"},
      {"1.4999999999995, 0 -> 2", 1.4999999999995, 0, 2, "2"},
      {"0.004999999999999, 2 -> 0.01", 0.004999999999999, 2, 0.01, "0.01"},
      {"0.0049999999999, 2 -> 0", 0.0049999999999, 2, 0, "0"},
      {"-0.001, 2 -> -0", -0.001, 2, -0.0, "0"},
  };
  for (const auto& row : rows) {
    const double rounded = RoundDecimal(row.x, row.places);
    EXPECT_TRUE(SameDouble(rounded, row.expected)) << row.name;
    EXPECT_EQ(FormatNumber(rounded), row.shown) << row.name;
  }
}

TEST(RoundDecimal, SpecialValuesPass) {
  ExpectRounds({
      {"+0 stays +0", 0.0, 2, 0.0},
      {"-0 stays -0", -0.0, 2, -0.0},
      {"+inf passes", kInf, 2, kInf},
      {"-inf passes", -kInf, 3, -kInf},
      {"+inf passes with negative places", kInf, -2, kInf},
      {"-inf passes with places beyond the double range", -kInf, -400, -kInf},
  });
  const double undefined = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
  EXPECT_TRUE(SameDouble(RoundDecimal(undefined, 2), undefined)) << "the undefined NaN passes";
  const double payload_nan = std::bit_cast<double>(std::uint64_t{0x7FF8000000000123});
  EXPECT_TRUE(SameDouble(RoundDecimal(payload_nan, 3), payload_nan)) << "a NaN passes unchanged";
}

// Without the guard, the scaled value is infinite and so is the result: 1e308 would become inf.
TEST(RoundDecimal, FiniteValueTooLargeToScalePassesUnchanged) {
  ExpectRounds({
      {"1e308, 3 stays 1e308", 1e308, 3, 1e308},
      {"-1e308, 2 stays -1e308", -1e308, 2, -1e308},
      {"largest double, 2 stays", kMax, 2, kMax},
      {"1e300, 10 stays", 1e300, 10, 1e300},
      {"1.5, 400 stays: the scale itself is infinite", 1.5, 400, 1.5},
      {"1e306, 2 scales to a finite 1e308 and stays", 1e306, 2, 1e306},
  });
}

TEST(RoundDecimal, OtherPlaces) {
  ExpectRounds({
      {"2.5, 0 -> 3", 2.5, 0, 3},
      {"0.4999, 0 -> 0", 0.4999, 0, 0},
      {"-0.4, 0 -> -0", -0.4, 0, -0.0},
      {"1234.5, -2 -> 1200", 1234.5, -2, 1200},
      {"1250, -2 -> 1300", 1250, -2, 1300},
      {"-1250, -2 -> -1300", -1250, -2, -1300},
      {"49, -2 -> 0", 49, -2, 0},
      {"1e300, -300 -> 1e300", 1e300, -300, 1e300},
      {"1.7e308, -400 -> 0: nothing is kept of an infinite scale", 1.7e308, -400, 0},
      {"-5, -400 -> -0", -5, -400, -0.0},
      {"0.123456, 5 -> 0.12346", 0.123456, 5, 0.12346},
      {"1e-20, 22 -> 1e-20", 1e-20, 22, 1e-20},
      {"a large integer has nothing to round: 2^60, 3", 0x1p60, 3, 0x1p60},
      {"just below 8192.5 the nudge still lifts: -> 8193", std::nextafter(8192.5, 0.0), 0, 8193},
      {"just below 16384.5 the nudge is lost: -> 16384", std::nextafter(16384.5, 0.0), 0, 16384},
  });
}

TEST(RoundDecimal, ExtremePlacesStayDefined) {
  EXPECT_TRUE(SameDouble(RoundDecimal(1.25, std::numeric_limits<int>::max()), 1.25));
  EXPECT_TRUE(SameDouble(RoundDecimal(1.25, std::numeric_limits<int>::min()), 0.0));
}

}  // namespace
