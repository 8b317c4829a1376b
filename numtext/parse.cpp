#include <algorithm>
#include <cstdint>
#include <string_view>

#include "numtext/char_class.h"
#include "numtext/numtext.h"
#include "numtext/short_decimal.h"

namespace numtext {
namespace {

// A written exponent above the cap counts as one more, so that no text overflows it.
constexpr std::int64_t kExponentCap = 5200;

bool IsExponentLetter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Reads the text once from the start; the end of the text reads as '\0', which ends every part.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  void Skip(std::size_t count = 1) { pos_ += count; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Leading zeros are not significant; digits past the 25th significant one count as zeros.
void AddIntegerDigit(ShortDecimal& decimal, char digit) {
  if (decimal.digit_count == 0 && digit == '0') {
    return;
  }
  if (decimal.digit_count < kDigitsRead) {
    decimal.digits[static_cast<std::size_t>(decimal.digit_count++)] = digit;
  } else {
    ++decimal.exponent;
  }
}

// Leading zeros only move the point; digits past the 25th significant one are dropped.
void AddFractionDigit(ShortDecimal& decimal, char digit) {
  if (decimal.digit_count == 0 && digit == '0') {
    --decimal.exponent;
  } else if (decimal.digit_count < kDigitsRead) {
    decimal.digits[static_cast<std::size_t>(decimal.digit_count++)] = digit;
    --decimal.exponent;
  }
}

// [eEdD][+-]digits; when no digit follows the letter and sign, nothing is read and 0 results.
std::int64_t ReadExponent(Scanner& scanner) {
  if (!IsExponentLetter(scanner.Peek())) {
    return 0;
  }
  const char sign = scanner.Peek(1);
  const std::size_t sign_length = sign == '+' || sign == '-' ? 1 : 0;
  if (!IsDigit(scanner.Peek(1 + sign_length))) {
    return 0;
  }
  scanner.Skip(1 + sign_length);
  std::int64_t magnitude = 0;
  for (; IsDigit(scanner.Peek()); scanner.Skip()) {
    magnitude = std::min(magnitude * 10 + (scanner.Peek() - '0'), kExponentCap + 1);
  }
  return sign == '-' ? -magnitude : magnitude;
}

}  // namespace

double ParseWithoutFold(std::string_view text) {
  Scanner scanner(text);
  while (IsWhiteSpace(scanner.Peek())) {
    scanner.Skip();
  }
  ShortDecimal decimal;
  if (scanner.Peek() == '+' || scanner.Peek() == '-') {
    decimal.negative = scanner.Peek() == '-';
    scanner.Skip();
  }
  bool has_digit = false;
  for (; IsDigit(scanner.Peek()); scanner.Skip()) {
    AddIntegerDigit(decimal, scanner.Peek());
    has_digit = true;
  }
  if (scanner.Peek() == '.') {
    scanner.Skip();
    for (; IsDigit(scanner.Peek()); scanner.Skip()) {
      AddFractionDigit(decimal, scanner.Peek());
      has_digit = true;
    }
  }
  if (!has_digit) {
    return 0.0;
  }
  decimal.exponent += ReadExponent(scanner);
  return NearestDouble(decimal);
}

double ParseNumber(std::string_view text) {
  return ParseWithoutFold(FoldFullWidth(text));
}

}  // namespace numtext
