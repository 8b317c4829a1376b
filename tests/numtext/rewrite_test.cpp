#include "numtext/rewrite.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace {

using numtext::RewriteDecimalText;
using numtext::RewriteIntegerText;

struct RewriteRow {
  const char* name;
  std::string_view text;
  std::string_view expected;
};

TEST(RewriteIntegerText, Table) {
  const RewriteRow rows[] = {
      {"0 -> empty", "0", ""},
      {"007 -> 7", "007", "7"},
      {"- -> empty", "-", ""},
      {"12-3 -> 12", "12-3", "12"},
      {"3000000000 -> 2147483647", "3000000000", "2147483647"},
      {"-3000000000 -> -2147483648", "-3000000000", "-2147483648"},
      {"12.5, copied in from elsewhere -> 12", "12.5", "12"},
      {"99999999999999999999 saturates -> 2147483647", "99999999999999999999", "2147483647"},
      {"empty stays empty", "", ""},
      {"-0 -> empty", "-0", ""},
      {"+5 -> 5", "+5", "5"},
      {"leading white space is skipped", " \t\n\v\f\r42", "42"},
      {"a blank after the sign ends it", "- 4", ""},
      {"2147483647 stays", "2147483647", "2147483647"},
      {"2147483648 -> 2147483647", "2147483648", "2147483647"},
      {"-2147483648 stays", "-2147483648", "-2147483648"},
      {"-2147483649 -> -2147483648", "-2147483649", "-2147483648"},
      {"full-width digits are not folded", "１２", ""},
      {"ideographic space is not white space", "\u30005", ""},
      {"abc -> empty", "abc", ""},
      {"+-3 -> empty", "+-3", ""},
      {"1e3 -> 1", "1e3", "1"},
  };
  for (const RewriteRow& row : rows) {
    EXPECT_EQ(RewriteIntegerText(row.text), row.expected) << row.name;
  }
  EXPECT_EQ(RewriteIntegerText("-" + std::string(1000, '9')), "-2147483648")
      << "a thousand nines, negative";
  EXPECT_EQ(RewriteIntegerText(std::string(1000, '0') + "5"), "5") << "a thousand leading zeros";
}

TEST(RewriteDecimalText, Table) {
  const RewriteRow rows[] = {
      {"0 -> empty", "0", ""},
      {"1.50 -> 1.5", "1.50", "1.5"},
      {".5 -> 0.5", ".5", "0.5"},
      {"1.2.3 -> 1.2", "1.2.3", "1.2"},
      {"3.14159265358979 -> 3.14159265359", "3.14159265358979", "3.14159265359"},
      {"10000000000000 -> 1e+013", "10000000000000", "1e+013"},
      {"9999999999999 stays", "9999999999999", "9999999999999"},
      {"abc -> empty", "abc", ""},
      {"full-width digits -> empty", "１２", ""},
      {"empty stays empty", "", ""},
      {"-0 -> empty", "-0", ""},
      {"0.000 -> empty", "0.000", ""},
      {"-.5 -> -0.5", "-.5", "-0.5"},
      {"1e999 -> 1.#INF", "1e999", "1.#INF"},
      {"1e-999 -> empty", "1e-999", ""},
      {"1,234.5 -> 1", "1,234.5", "1"},
      {"1e-5 -> 1e-005", "1e-5", "1e-005"},
      {"2d2 -> 200", "2d2", "200"},
      {"12.5元 -> 12.5", "12.5元", "12.5"},
  };
  for (const RewriteRow& row : rows) {
    EXPECT_EQ(RewriteDecimalText(row.text), row.expected) << row.name;
  }
}

// Leaving a box twice gives the same text as leaving it once. The one exception is a decimal text
// beyond the double range: its infinity text "1.#INF" reads back as 1.
TEST(Rewrite, RewritingAResultGivesItBack) {
  const std::string_view pieces[] = {"0", "1",  "5", "9", "00", "99999", ".",    "-",
                                     "+", "e",  "E", "d", "e-", "e+3",   "e300", "e-300",
                                     " ", "\t", "x", ",", "１", "－",    "．",   "\u3000"};
  std::mt19937 random(7);
  for (int i = 0; i < 50000; ++i) {
    std::string text;
    const auto piece_count = random() % 12;
    for (unsigned j = 0; j < piece_count; ++j) {
      text += pieces[random() % std::size(pieces)];
    }
    const std::string integer = RewriteIntegerText(text);
    EXPECT_EQ(RewriteIntegerText(integer), integer) << "integer box, typed: " << text;
    const std::string decimal = RewriteDecimalText(text);
    if (decimal != "1.#INF" && decimal != "-1.#INF") {
      EXPECT_EQ(RewriteDecimalText(decimal), decimal) << "decimal box, typed: " << text;
    }
  }
}

}  // namespace
