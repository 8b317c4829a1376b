// Bit-for-bit comparison of doubles for the tests: -0 differs from +0, and a NaN matches itself.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

namespace numtext_test {

// Shortest round-trip text and bit pattern: "0.1 (bits 3fb999999999999a)".
inline std::string Describe(double x) {
  std::array<char, 32> value{};
  std::array<char, 16> bits{};
  char* value_end = std::to_chars(value.data(), value.data() + value.size(), x).ptr;
  char* bits_end =
      std::to_chars(bits.data(), bits.data() + bits.size(), std::bit_cast<std::uint64_t>(x), 16)
          .ptr;
  return std::string(value.data(), value_end) + " (bits " + std::string(bits.data(), bits_end) +
         ")";
}

inline testing::AssertionResult SameDouble(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "got " << Describe(actual) << ", want " << Describe(expected);
}

}  // namespace numtext_test
