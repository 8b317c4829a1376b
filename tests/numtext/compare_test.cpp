#include "numtext/compare.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>

namespace {

using numtext::IsAtLeast;
using numtext::IsAtMost;
using numtext::IsGreater;
using numtext::IsGreaterThanZero;
using numtext::IsLess;
using numtext::IsLessThanZero;

TEST(CompareTolerance, IsOneTenMillionth) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(numtext::CompareTolerance), 0x3E7AD7F29ABCAF48u);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(-numtext::CompareTolerance), 0xBE7AD7F29ABCAF48u);
}

TEST(Compare, BetweenTwoNumbers) {
  const double undefined = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double a;
    double b;
    bool greater;
    bool less;
  } rows[] = {
      {"10 vs 10.00000005: within the margin", 10, 10.00000005, false, false},
      {"10.00000005 vs 10: within the margin", 10.00000005, 10, false, false},
      {"10 vs 10.0000002: less", 10, 10.0000002, false, true},
      {"10.0000002 vs 10: greater", 10.0000002, 10, true, false},
      {"equal numbers", 3.5, 3.5, false, false},
      {"2 vs 1", 2, 1, true, false},
      {"1 vs 2", 1, 2, false, true},
      {"0 vs 1e-7: exactly the margin is not less", 0, 1e-7, false, false},
      {"1e-7 vs 0: exactly the margin is not greater", 1e-7, 0, false, false},
      {"0 vs 1.0000001e-7: just past the margin", 0, 1.0000001e-7, false, true},
      {"undefined vs 1: a NaN difference is less", undefined, 1, false, true},
      {"1 vs undefined", 1, undefined, false, true},
      {"inf vs inf: an undefined difference is less", inf, inf, false, true},
      {"inf vs 1e308", inf, 1e308, true, false},
      {"-inf vs 0", -inf, 0, false, true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IsGreater(row.a, row.b), row.greater) << row.name;
    EXPECT_EQ(IsLess(row.a, row.b), row.less) << row.name;
    EXPECT_EQ(IsAtLeast(row.a, row.b), !row.less) << row.name;
    EXPECT_EQ(IsAtMost(row.a, row.b), !row.greater) << row.name;
  }
}

// 1e-7 - (-1e-25) rounds to 1e-7 as a double, which is not past the margin; with a 64-bit
// significand the difference keeps the extra 1e-25 and is.
TEST(Compare, DifferenceIsNotRoundedToDouble) {
  EXPECT_EQ(IsGreater(1e-7, -1e-25), LDBL_MANT_DIG == 64);
  EXPECT_EQ(IsLess(-1e-7, 1e-25), LDBL_MANT_DIG == 64);
}

TEST(Compare, AgainstZero) {
  const double undefined = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
  const struct {
    const char* name;
    double a;
    bool greater;
    bool less;
  } rows[] = {
      {"1e-7 is not greater than zero", 1e-7, false, false},
      {"-1e-7 is not less than zero", -1e-7, false, false},
      {"2e-7 is greater than zero", 2e-7, true, false},
      {"-2e-7 is less than zero", -2e-7, false, true},
      {"0 is neither", 0, false, false},
      {"-0 is neither", -0.0, false, false},
      {"undefined is less than zero", undefined, false, true},
      {"+inf is greater", std::numeric_limits<double>::infinity(), true, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IsGreaterThanZero(row.a), row.greater) << row.name;
    EXPECT_EQ(IsLessThanZero(row.a), row.less) << row.name;
  }
}

}  // namespace
