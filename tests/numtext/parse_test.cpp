#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "same_double.h"

namespace {

using numtext::ParseNumber;
using numtext::ParseWithoutFold;
using numtext_test::SameDouble;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

struct ParseRow {
  const char* name;
  std::string_view text;
  double expected;
};

void ExpectParses(std::initializer_list<ParseRow> rows) {
  for (const ParseRow& row : rows) {
    EXPECT_TRUE(SameDouble(ParseNumber(row.text), row.expected)) << row.name;
  }
}

TEST(ParseNumber, DocumentedTable) {
  ExpectParses({
      {"empty text -> 0", "", 0.0},
      {"abc -> 0", "abc", 0.0},
      {"leading blank: ' 12.5' -> 12.5", " 12.5", 12.5},
      {"12.5元 -> 12.5", "12.5元", 12.5},
      {"1,234 -> 1", "1,234", 1.0},
      {"grouped result 1,234,567.5 -> 1", "1,234,567.5", 1.0},
      {"１２.５ -> 12.5", "１２.５", 12.5},
      {"１２．５ -> 12.5", "１２．５", 12.5},
      {"－３ -> -3", "－３", -3.0},
      {"-3 -> -3", "-3", -3.0},
      {"+3 -> 3", "+3", 3.0},
      {"1e3 -> 1000", "1e3", 1000.0},
      {"1E+3 -> 1000", "1E+3", 1000.0},
      {"1d3 -> 1000", "1d3", 1000.0},
      {"1D-2 -> 0.01", "1D-2", 0.01},
      {".5 -> 0.5", ".5", 0.5},
      {"-.5 -> -0.5", "-.5", -0.5},
      {"5. -> 5", "5.", 5.0},
      {". -> 0", ".", 0.0},
      {"1e -> 1", "1e", 1.0},
      {"1e+ -> 1", "1e+", 1.0},
      {"1+2 -> 1", "1+2", 1.0},
      {"+-3 -> 0", "+-3", 0.0},
      {"0x1A -> 0", "0x1A", 0.0},
      {"1 000 -> 1", "1 000", 1.0},
      {"ideographic spaces then 12 -> 12", "\u3000\u300012", 12.0},
      {"3.14.15 -> 3.14", "3.14.15", 3.14},
      {"1e999 -> +inf", "1e999", kInf},
      {"-1e999 -> -inf", "-1e999", -kInf},
      {"1e-999 -> 0", "1e-999", 0.0},
      {"-0 -> -0", "-0", -0.0},
      {"* -> 0", "*", 0.0},
  });
}

TEST(ParseNumber, EdgeCases) {
  ExpectParses({
      {"a blank -> 0", " ", 0.0},
      {"1,234.5 -> 1", "1,234.5", 1.0},
      {"2d2 -> 200", "2d2", 200.0},
      {"－１２．５ -> -12.5", "－１２．５", -12.5},
      {"１２，３ -> 12", "１２，３", 12.0},
      {"12abc -> 12", "12abc", 12.0},
      {"- -> +0", "-", 0.0},
      {"- 3 -> +0 (a blank after the sign ends the number)", "- 3", 0.0},
      {"-. -> +0", "-.", 0.0},
      {"-.e5 -> +0", "-.e5", 0.0},
      {"-0.000e7 -> -0", "-0.000e7", -0.0},
      {"-1e-999 -> -0", "-1e-999", -0.0},
      {"all six white-space characters are skipped", " \t\n\v\f\r7", 7.0},
      {"other control characters are not white space", "\a7", 0.0},
      {"1e5x -> 100000", "1e5x", 1e5},
      {"1e-x -> 1", "1e-x", 1.0},
      {"1e+-2 -> 1", "1e+-2", 1.0},
      {"1ee2 -> 1", "1ee2", 1.0},
      {"1.5e2.5 -> 150", "1.5e2.5", 150.0},
      {".e1 -> 0", ".e1", 0.0},
      {"e5 -> 0", "e5", 0.0},
      {"00012 -> 12", "00012", 12.0},
      {"0.000123 -> 0.000123", "0.000123", 0.000123},
      {"1e0005 -> 100000", "1e0005", 1e5},
      {"full-width exponent letter and sign: １ｅ－２ -> 0.01", "１ｅ－２", 0.01},
      {"full-width plus: ＋４ -> 4", "＋４", 4.0},
      {"full-width Ｄ: ２Ｄ２ -> 200", "２Ｄ２", 200.0},
      {"full-width dollar stays and ends nothing before it: ＄1 -> 0", "＄1", 0.0},
      {"embedded NUL ends the number",
       std::string_view("12\0"
                        "3",
                        4),
       12.0},
  });
}

TEST(ParseNumber, MantissaCountsTwentyFiveSignificantDigits) {
  ExpectParses({
      // 1 + 2^-53 (halfway to the next double) is 1.00000000000000011102230246251565…
      {"digits after the 25th are dropped: just above a halfway point still gives 1",
       "1.0000000000000001110223024625157", 1.0},
      {"25 digits just above the halfway point give the upper double", "1.000000000000000111022303",
       1.0000000000000002},
      {"leading zeros before the point are not significant", "0000001.000000000000000111022303",
       1.0000000000000002},
      // 2^-10 + 2^-63, halfway after 2^-10, is 0.000976562500000000108420217248…
      {"leading zeros after the point are not significant", "0.0009765625000000001084202173",
       0.0009765625 + 0x1p-62},
      // 2^100 + 2^47, halfway after 2^100, is 1267650600228229542234191560704.
      {"integer digits after the 25th count as zeros", "1267650600228229542234191560705", 0x1p100},
      {"25 digits then zeros above the halfway point", "1267650600228229542234192000000",
       0x1p100 + 0x1p48},
      {"digits after the 25th keep their place past the decimal point",
       "1267650600228229542234191560705.99", 0x1p100},
  });
}

TEST(ParseNumber, RangeBoundaries) {
  ExpectParses({
      {"the largest double", "1.7976931348623157e308", kMax},
      {"1.7976931348623158e308 rounds to the largest double", "1.7976931348623158e308", kMax},
      {"1.7976931348623159e308 is past the halfway point to 2^1024", "1.7976931348623159e308",
       kInf},
      // The halfway point is 1.797693134862315807937289714053034150799…e308.
      {"25 digits just below the halfway point", "1.797693134862315807937289e308", kMax},
      {"25 digits just above the halfway point", "1.797693134862315807937290e308", kInf},
      {"just above the halfway point, but beyond the 25th digit", "1.7976931348623158079372897e308",
       kMax},
      {"negative just above the halfway point", "-1.797693134862315807937290e308", -kInf},
      {"the smallest normal", "2.2250738585072014e-308", std::numeric_limits<double>::min()},
      {"the smallest subnormal", "4.9406564584124654e-324", kSmallestSubnormal},
      {"2.4703282292062328e-324 is above half the smallest subnormal", "2.4703282292062328e-324",
       kSmallestSubnormal},
      {"2.4703282292062327e-324 is below half the smallest subnormal", "2.4703282292062327e-324",
       0.0},
      // Half the smallest subnormal is 2.470328229206232720882843964341106861825…e-324.
      {"25 digits just above half the smallest subnormal", "2.470328229206232720882844e-324",
       kSmallestSubnormal},
      {"25 digits just below half the smallest subnormal", "2.470328229206232720882843e-324", 0.0},
      {"just above half the smallest subnormal, but beyond the 25th digit",
       "2.4703282292062327208828439e-324", 0.0},
      {"negative below half the smallest subnormal", "-2.470328229206232720882843e-324", -0.0},
      {"exponent far beyond the range", "1e100000", kInf},
      {"exponent far below the range", "1e-100000", 0.0},
      {"an exponent that would overflow 64 bits saturates", "1e99999999999999999999999999", kInf},
      {"a negative exponent that would overflow 64 bits", "-1e-99999999999999999999999999", -0.0},
  });
}

TEST(ParseNumber, WrittenExponentAbove5200CountsAs5201) {
  // The cap applies to the written exponent, before the position of the decimal point counts.
  const std::string tiny_mantissa = "0." + std::string(5299, '0') + "1";  // 10^-5300
  const std::string huge_mantissa = "1" + std::string(5300, '0');         // 10^5300
  EXPECT_TRUE(SameDouble(ParseNumber(tiny_mantissa + "e5200"), 1e-100)) << "5200 is kept";
  EXPECT_TRUE(SameDouble(ParseNumber(tiny_mantissa + "e5201"), 1e-99)) << "5201 is kept";
  EXPECT_TRUE(SameDouble(ParseNumber(tiny_mantissa + "e5300"), 1e-99)) << "5300 counts as 5201";
  EXPECT_TRUE(SameDouble(ParseNumber(tiny_mantissa + "e99999999999999999999999"), 1e-99))
      << "a saturated exponent counts as 5201";
  EXPECT_TRUE(SameDouble(ParseNumber(huge_mantissa + "e-5300"), 1e99)) << "-5300 counts as -5201";
  EXPECT_TRUE(SameDouble(ParseNumber(huge_mantissa + "e-5200"), 1e100)) << "-5200 is kept";
}

TEST(ParseNumber, LongTexts) {
  const std::size_t length = 100000;
  EXPECT_TRUE(SameDouble(ParseNumber(std::string(length, '9')), kInf)) << "many digits";
  EXPECT_TRUE(SameDouble(ParseNumber("0." + std::string(length, '0') + "1"), 0.0))
      << "many zeros after the point";
  EXPECT_TRUE(SameDouble(ParseNumber("0." + std::string(5000, '0') + "1e5005"), 1e4))
      << "many zeros after the point, then an exponent below the cap";
  EXPECT_TRUE(SameDouble(ParseNumber(std::string(length, ' ') + "8"), 8.0)) << "many blanks";
  EXPECT_TRUE(SameDouble(ParseNumber("1" + std::string(300, '0') + ".5"), 1e300))
      << "301 integer digits";
}

// ParseNumber folds as it reads instead of folding the whole text first; the result is the same.
TEST(ParseNumber, IsParseWithoutFoldOfTheFoldedText) {
  const std::string_view pieces[] = {"1",      "0",    "9",    ".",    "-",        "+",  "e",  "d",
                                     " ",      "１",   "０",   "．",   "－",       "＋", "ｅ", "Ｄ",
                                     "\u3000", "\xEF", "\xBC", "\x91", "\xEF\xBC", "元", "x",  ","};
  std::mt19937 random(11);
  for (int i = 0; i < 50000; ++i) {
    std::string text;
    for (auto count = random() % 10; count > 0; --count) {
      text += pieces[random() % std::size(pieces)];
    }
    EXPECT_TRUE(SameDouble(ParseNumber(text), ParseWithoutFold(numtext::FoldFullWidth(text))))
        << text;
  }
}

TEST(ParseWithoutFold, FullWidthCharactersEndTheNumber) {
  const struct {
    const char* name;
    std::string_view text;
    double expected;
  } rows[] = {
      {"１２ -> 0", "１２", 0.0},     {"－３ -> 0", "－３", 0.0},
      {"12．5 -> 12", "12．5", 12.0}, {"ideographic space is not skipped", "\u300012", 0.0},
      {"1ｅ2 -> 1", "1ｅ2", 1.0},     {"ASCII as ParseNumber: -1.5e2 -> -150", "-1.5e2", -150.0},
      {"-0 -> -0", "-0", -0.0},
  };
  for (const auto& row : rows) {
    EXPECT_TRUE(SameDouble(ParseWithoutFold(row.text), row.expected)) << row.name;
  }
}

}  // namespace
