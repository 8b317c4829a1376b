#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "numtext/numtext.h"

namespace {

using numtext::ToCount;

TEST(ToCount, TruncatesToSixtyFourBitsAndKeepsTheLowThirtyTwo) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double x;
    std::int32_t expected;
  } rows[] = {
      {"2.7 -> 2", 2.7, 2},
      {"0.9 -> 0", 0.9, 0},
      {"-1 -> -1", -1, -1},
      {"-2.7 -> -2", -2.7, -2},
      {"2147483647 -> 2147483647", 2147483647.0, 2147483647},
      {"2147483648 -> -2147483648", 2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {"3e9 -> -1294967296", 3e9, -1294967296},
      {"4294967297 -> 1", 4294967297.0, 1},
      {"1e12 -> -727379968", 1e12, -727379968},
      {"1e19 -> 0", 1e19, 0},
      {"+inf -> 0", inf, 0},
      {"-inf -> 0", -inf, 0},
      {"NaN -> 0", nan, 0},
      {"-NaN -> 0", -nan, 0},
      {"-0.5 -> 0", -0.5, 0},
      {"-2147483649 -> 2147483647", -2147483649.0, 2147483647},
      {"-1e12 -> 727379968", -1e12, 727379968},
      {"2^63 -> 0 (out of 64-bit range)", 0x1p63, 0},
      {"-2^63 -> 0", -0x1p63, 0},
      {"2^63 - 1024, the largest double below 2^63 -> -1024", 0x1p63 - 1024, -1024},
      {"-(2^63 - 1024) -> 1024", -(0x1p63 - 1024), 1024},
      {"2^32 + 2.5 -> 2", 0x1p32 + 2.5, 2},
      {"1e300 -> 0", 1e300, 0},
      {"-1e300 -> 0", -1e300, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ToCount(row.x), row.expected) << row.name;
  }
}

TEST(IsEmptyText, OnlyTheTextWithoutCharacters) {
  EXPECT_TRUE(numtext::IsEmptyText(""));
  EXPECT_TRUE(numtext::IsEmptyText(std::string_view()));
  EXPECT_FALSE(numtext::IsEmptyText(" "));
  EXPECT_FALSE(numtext::IsEmptyText(std::string_view("\0", 1)));
  EXPECT_FALSE(numtext::IsEmptyText("0"));
}

}  // namespace
