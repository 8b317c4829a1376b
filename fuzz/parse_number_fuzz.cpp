// ParseNumber and FoldFullWidth on arbitrary bytes.
//
// Besides surviving every input under the sanitizers, ParseNumber must agree with the C library's
// correctly rounded strtod applied to the number that the text begins with (first 25 significant
// digits, exponent capped at 5201), and FoldFullWidth must agree with its table on valid UTF-8.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "fuzz/fold_reference.h"
#include "numtext/numtext.h"

namespace {

constexpr std::size_t kDigitsRead = 25;
constexpr long kExponentCap = 5200;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The text handed to strtod for the number that `text` (already folded) begins with.
std::string ReferenceDecimal(std::string_view text) {
  std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
  if (at == std::string_view::npos) {
    return "0";
  }
  const auto digitsFrom = [&](std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) {
      ++end;
    }
    return end;
  };
  std::string sign;
  if (text[at] == '+' || text[at] == '-') {
    sign = text[at] == '-' ? "-" : "";
    ++at;
  }
  const std::size_t integerEnd = digitsFrom(at);
  std::string digits(text.substr(at, integerEnd - at));
  const std::size_t integerDigits = digits.size();
  at = integerEnd;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionEnd = digitsFrom(at + 1);
    digits += text.substr(at + 1, fractionEnd - at - 1);
    at = fractionEnd;
  }
  if (digits.empty()) {
    return "0";
  }
  long exponent = 0;
  if (at < text.size() && std::string_view("eEdD").find(text[at]) != std::string_view::npos) {
    std::size_t from = at + 1;
    bool negative = false;
    if (from < text.size() && (text[from] == '+' || text[from] == '-')) {
      negative = text[from] == '-';
      ++from;
    }
    for (std::size_t i = from; i < digitsFrom(from); ++i) {
      exponent = std::min(exponent * 10 + (text[i] - '0'), 100'000'000L);
    }
    exponent = negative ? -exponent : std::min(exponent, kExponentCap + 1);
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return sign + "0";
  }
  const std::string kept = digits.substr(first, kDigitsRead);
  const long scale = static_cast<long>(integerDigits) - static_cast<long>(first) + exponent;
  return sign + "0." + kept + "e" + std::to_string(scale);
}

// The two may differ by one step only where the decimal value can lie halfway between two doubles.
bool SameOrTie(double got, double want) {
  if (fuzz::Bits(got) == fuzz::Bits(want)) {
    return true;
  }
  return std::isfinite(want) && std::fabs(want) >= 0x1p41 &&
         std::signbit(got) == std::signbit(want) &&
         (std::nextafter(want, 0.0) == got || std::nextafter(want, want * 2) == got);
}

void CheckFold(std::string_view text, const std::string& folded) {
  FUZZ_CHECK(folded.size() <= text.size());
  FUZZ_CHECK(numtext::FoldFullWidth(folded) == folded);
  if (const auto expected = fuzz::FoldReference(text)) {
    FUZZ_CHECK(folded == *expected);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string folded = numtext::FoldFullWidth(text);
  CheckFold(text, folded);

  const double value = numtext::ParseNumber(text);
  FUZZ_CHECK(!std::isnan(value));
  FUZZ_CHECK(fuzz::Bits(numtext::ParseWithoutFold(folded)) == fuzz::Bits(value));
  const std::string reference = ReferenceDecimal(folded);
  const double expected = std::strtod(reference.c_str(), nullptr);
  FUZZ_CHECK_MSG(SameOrTie(value, expected), reference);
  return 0;
}
