#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string_view>

#include "numtext/numtext.h"

namespace {

using numtext::FormatGrouped;
using numtext::FormatInteger;
using numtext::FormatNumber;

constexpr double kInf = std::numeric_limits<double>::infinity();

double FromBits(std::uint64_t bits) {
  return std::bit_cast<double>(bits);
}

struct FormatRow {
  const char* name;
  double x;
  std::string_view expected;
};

TEST(FormatNumber, SpecialValues) {
  const FormatRow rows[] = {
      {"+0 -> 0", 0.0, "0"},
      {"-0 -> 0", -0.0, "0"},
      {"+inf -> 1.#INF", kInf, "1.#INF"},
      {"-inf -> -1.#INF", -kInf, "-1.#INF"},
      {"undefined value 0xFFF8000000000000 -> -1.#IND", FromBits(0xFFF8000000000000), "-1.#IND"},
      {"its sign cleared 0x7FF8000000000000 -> 1.#QNAN", FromBits(0x7FF8000000000000), "1.#QNAN"},
      {"negative quiet NaN with a payload -> -1.#QNAN", FromBits(0xFFF8000000000001), "-1.#QNAN"},
      {"positive quiet NaN with a payload -> 1.#QNAN", FromBits(0x7FFFFFFFFFFFFFFF), "1.#QNAN"},
      {"positive signalling NaN -> 1.#QNAN", FromBits(0x7FF0000000000001), "1.#QNAN"},
      {"negative signalling NaN -> -1.#QNAN", FromBits(0xFFF4000000000000), "-1.#QNAN"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatNumber(row.x), row.expected) << row.name;
  }
}

TEST(FormatNumber, DocumentedTable) {
  const FormatRow rows[] = {
      {"10", 10, "10"},
      {"10.5", 10.5, "10.5"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
      {"1234567.891", 1234567.891, "1234567.891"},
      {"2 / 3", 2.0 / 3.0, "0.6666666666667"},
      {"1 / 3", 1.0 / 3.0, "0.3333333333333"},
      {"3.14159265358979", 3.14159265358979, "3.14159265359"},
      {"1234567890123", 1234567890123, "1234567890123"},
      {"1234567890123.4", 1234567890123.4, "1234567890123"},
      {"2460591476006.5, exact tie at the 14th digit", 2460591476006.5, "2460591476007"},
      {"62071.756600285, stored just below a 14th-digit tie", 62071.756600285, "62071.75660029"},
      {"9999999999999.5", 9999999999999.5, "1e+013"},
      {"1e13", 1e13, "1e+013"},
      {"123456789012345", 123456789012345, "1.234567890123e+014"},
      {"1e15", 1e15, "1e+015"},
      {"0.0001", 0.0001, "0.0001"},
      {"0.000123456789012345", 0.000123456789012345, "0.0001234567890123"},
      {"1e-5", 1e-5, "1e-005"},
      {"1e100", 1e100, "1e+100"},
      {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
      {"-2.5", -2.5, "-2.5"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatNumber(row.x), row.expected) << row.name;
  }
}

TEST(FormatNumber, FormBoundariesAndExponents) {
  const FormatRow rows[] = {
      {"9999999999999.4 stays fixed", 9999999999999.4, "9999999999999"},
      {"0.00001 is scientific", 0.00001, "1e-005"},
      {"0.000099999999999995 rounds up to 0.0001, fixed", 0.000099999999999995, "0.0001"},
      {"0.00009999999999994 stays scientific", 0.00009999999999994, "9.999999999994e-005"},
      {"1.5e-300", 1.5e-300, "1.5e-300"},
      {"largest double", std::numeric_limits<double>::max(), "1.797693134862e+308"},
      {"smallest normal", std::numeric_limits<double>::min(), "2.225073858507e-308"},
      {"1e-10", 1e-10, "1e-010"},
      {"-1e22", -1e22, "-1e+022"},
      {"1.2345e-3", 1.2345e-3, "0.0012345"},
      {"carry out of D1 in fixed form: 99.999999999999", 99.999999999999, "100"},
      {"carry out of D1 in scientific form: 9.9999999999999e20", 9.9999999999999e20, "1e+021"},
      {"no carry: 99.9999999999949", 99.9999999999949, "99.99999999999"},
      {"trailing zeros go, inner zeros stay: 100.05", 100.05, "100.05"},
      {"integer with zeros: 1200", 1200, "1200"},
      {"-1.5e15", -1.5e15, "-1.5e+015"},
      {"2^-25, an exact tie at the 17th digit", 0x1p-25, "2.98023223877e-008"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatNumber(row.x), row.expected) << row.name;
  }
}

TEST(FormatInteger, WritesPlainDecimal) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(-7), "-7");
  EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::max()), "2147483647");
  EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(FormatGrouped, DocumentedTable) {
  const FormatRow rows[] = {
      {"1234567.5", 1234567.5, "1,234,567.5"},
      {"-1234", -1234, "-1,234"},
      {"-123", -123, "-123"},
      {"100", 100, "100"},
      {"1000", 1000, "1,000"},
      {"123456", 123456, "123,456"},
      {"0.001", 0.001, "0.001"},
      {"12345.678", 12345.678, "12,345.678"},
      {"-1234567.891", -1234567.891, "-1,234,567.891"},
      {"1234567890123.4", 1234567890123.4, "1,234,567,890,123"},
      {"1e15", 1e15, "1e+015"},
      {"+inf", kInf, "1.#INF"},
      {"-0", -0.0, "0"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatGrouped(row.x), row.expected) << row.name;
  }
}

TEST(FormatGrouped, LeavesOtherTextsAlone) {
  const FormatRow rows[] = {
      {"1e13 is scientific", 1e13, "1e+013"},
      {"-1e-5 is scientific", -1e-5, "-1e-005"},
      {"-inf", -kInf, "-1.#INF"},
      {"undefined value", FromBits(0xFFF8000000000000), "-1.#IND"},
      {"quiet NaN", FromBits(0x7FF8000000000000), "1.#QNAN"},
      {"-999999.999 groups only the integer part", -999999.999, "-999,999.999"},
      {"0.0001234567890123 never groups the fraction", 0.0001234567890123, "0.0001234567890123"},
      {"9999999999999", 9999999999999, "9,999,999,999,999"},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(FormatGrouped(row.x), row.expected) << row.name;
  }
}

}  // namespace
