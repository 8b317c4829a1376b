#include "tests/reliability/number_shape.h"

#include <gtest/gtest.h>

#include <string_view>

namespace reliability {
namespace {

struct ShapeCase {
  std::string_view text;
  bool number;
  bool grouped;
  bool output;
};

TEST(NumberShape, RecognisesWhatTheRulesWriteAndNothingElse) {
  const ShapeCase cases[] = {
      {"0", true, true, true},
      {"10.5", true, true, true},
      {"-2.5", true, true, true},
      {"0.0001", true, true, true},
      {"0.0001234567890123", true, true, true},
      {"9999999999999", true, false, true},
      {"9,999,999,999,999", false, true, true},
      {"1234567.891", true, false, true},
      {"1,234,567.891", false, true, true},
      {"-1,234", false, true, true},
      {"123,456", false, true, true},
      {"1e+013", true, true, true},
      {"1.234567890123e+014", true, true, true},
      {"4.940656458412e-324", true, true, true},
      {"1e-005", true, true, true},
      {"1.#INF", true, true, true},
      {"-1.#INF", true, true, true},
      {"-1.#IND", true, true, true},
      {"-1.#QNAN", true, true, true},
      {"", false, false, true},
      {"-", false, false, true},
      {"--1.#INF", false, false, true},
      {"-0", false, false, true},
      {"--1,000", false, false, true},
      {"---1", false, false, false},
      {"-1.#IND0", false, false, false},
      {"1.#IND", false, false, false},
      {"00", false, false, false},
      {"01", false, false, false},
      {"1.", false, false, false},
      {".5", false, false, false},
      {"1.50", false, false, false},
      {"0.00001", false, false, false},
      {"12345678901234", false, false, false},
      {"1.2345678901234", false, false, false},
      {"1e+012", false, false, false},
      {"1e-004", false, false, false},
      {"1e+13", false, false, false},
      {"1.0e+013", false, false, false},
      {"10e+013", false, false, false},
      {"1e+309", false, false, false},
      {"1,23", false, false, false},
      {"1234,567", false, false, false},
      {",123", false, false, false},
      {"1.2,5", false, false, false},
      {"1,000,", false, false, false},
      {"1,0e+013", false, false, false},
      {"12 ", false, false, false},
      {"abc", false, false, false},
  };
  for (const ShapeCase& c : cases) {
    EXPECT_EQ(IsNumberText(c.text), c.number) << c.text;
    EXPECT_EQ(IsGroupedText(c.text), c.grouped) << c.text;
    EXPECT_EQ(IsOutputText(c.text), c.output) << c.text;
  }
}

}  // namespace
}  // namespace reliability
