// The number texts never depend on the locale, whatever the process has installed.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "numtext/numtext.h"
#include "numtext/rewrite.h"

namespace {

struct CommaDecimalPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// Installs a C locale with a decimal comma when one exists here.
bool SetCommaCLocale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8",
                           "de_DE", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      return true;
    }
  }
  return false;
}

TEST(Locale, DecimalCommaChangesNothing) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
  // Where no such C locale is installed only the C++ one has the comma.
  if (!SetCommaCLocale()) {
    std::setlocale(LC_ALL, "C.UTF-8");
  }
  EXPECT_EQ(numtext::ParseNumber("1.5"), 1.5);
  EXPECT_EQ(numtext::ParseNumber("1,5"), 1.0);
  EXPECT_EQ(numtext::FormatNumber(1.5), "1.5");
  EXPECT_EQ(numtext::FormatNumber(1e-5), "1e-005");
  EXPECT_EQ(numtext::FormatGrouped(1234567.5), "1,234,567.5");
  EXPECT_EQ(numtext::RewriteDecimalText("2.50"), "2.5");
  std::setlocale(LC_ALL, "C");
  std::locale::global(previous);
}

}  // namespace
