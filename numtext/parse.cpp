#include <algorithm>
#include <cstdint>
#include <string_view>

#include "numtext/char_class.h"
#include "numtext/fold.h"
#include "numtext/numtext.h"
#include "numtext/short_decimal.h"

namespace numtext {
namespace {

// A written exponent above the cap counts as one more, so that no text overflows it.
constexpr std::int64_t kExponentCap = 5200;

bool IsExponentLetter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

enum class FullWidth { kFold, kKeep };

// Reads the text once from the start, folding full-width forms on the way when asked to, so that
// nothing after the number is touched. The end of the text reads as '\0', which ends every part.
class Scanner {
 public:
  Scanner(std::string_view text, FullWidth full_width)
      : text_(text), full_width_(full_width), current_(CharAt(0)) {}

  char Peek(std::size_t ahead = 0) const {
    std::size_t at = pos_ + current_.bytes;
    Char peeked = current_;
    for (; ahead > 0; --ahead) {
      peeked = CharAt(at);
      at += peeked.bytes;
    }
    return peeked.ascii;
  }
  void Skip(std::size_t count = 1) {
    for (; count > 0; --count) {
      pos_ += current_.bytes;
      current_ = CharAt(pos_);
    }
  }

 private:
  struct Char {
    char ascii;
    std::size_t bytes;
  };

  Char CharAt(std::size_t at) const {
    if (at >= text_.size()) {
      return {'\0', 0};
    }
    if (full_width_ == FullWidth::kFold) {
      const char folded = FoldedAtStart(text_.substr(at));
      if (folded != '\0') {
        return {folded, kFoldedBytes};
      }
    }
    return {text_[at], 1};
  }

  std::string_view text_;
  FullWidth full_width_;
  std::size_t pos_ = 0;
  Char current_;  // the character at pos_
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

double Parse(std::string_view text, FullWidth full_width) {
  Scanner scanner(text, full_width);
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

}  // namespace

double ParseNumber(std::string_view text) {
  return Parse(text, FullWidth::kFold);
}

double ParseWithoutFold(std::string_view text) {
  return Parse(text, FullWidth::kKeep);
}

}  // namespace numtext
