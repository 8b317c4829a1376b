#include "tests/reliability/number_shape.h"

#include <algorithm>
#include <string>

namespace reliability {
namespace {

constexpr std::size_t kMaxDigits = 13;

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutMinus(std::string_view text) {
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  }
  return text;
}

// digits[.digits] with no leading or trailing zeros beyond what the fixed form writes.
bool IsUnsignedFixed(std::string_view text) {
  const auto point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (integer.empty() || !AllDigits(integer) || !AllDigits(fraction)) {
    return false;
  }
  if (point != std::string_view::npos && (fraction.empty() || fraction.back() == '0')) {
    return false;
  }
  if (integer == "0") {
    if (fraction.empty()) {
      return true;
    }
    // At most three zeros after the point: smaller magnitudes take the scientific form.
    const auto first = fraction.find_first_not_of('0');
    return first <= 3 && fraction.size() - first <= kMaxDigits;
  }
  return integer.front() != '0' && integer.size() + fraction.size() <= kMaxDigits;
}

// d[.ddd]e+xxx with 13 <= xxx <= 308, or d[.ddd]e-xxx with 5 <= xxx <= 324.
bool IsUnsignedScientific(std::string_view text) {
  const auto e = text.find('e');
  if (e == std::string_view::npos || text.size() != e + 5) {
    return false;
  }
  const std::string_view mantissa = text.substr(0, e);
  const char sign = text[e + 1];
  const std::string_view exponent = text.substr(e + 2);
  if (!AllDigits(exponent) || (sign != '+' && sign != '-')) {
    return false;
  }
  const int value = std::stoi(std::string(exponent));
  const bool inRange = sign == '+' ? value >= 13 && value <= 308 : value >= 5 && value <= 324;
  if (!inRange || mantissa.empty() || mantissa.front() < '1' || mantissa.front() > '9') {
    return false;
  }
  if (mantissa.size() == 1) {
    return true;
  }
  const std::string_view fraction = mantissa.substr(2);
  return mantissa[1] == '.' && !fraction.empty() && AllDigits(fraction) && fraction.back() != '0' &&
         1 + fraction.size() <= kMaxDigits;
}

}  // namespace

bool IsFixedNumberText(std::string_view text) {
  return text != "-0" && IsUnsignedFixed(WithoutMinus(text));
}

bool IsNumberText(std::string_view text) {
  if (text == "-1.#IND") {
    return true;
  }
  const std::string_view body = WithoutMinus(text);
  return IsFixedNumberText(text) || IsUnsignedScientific(body) || body == "1.#INF" ||
         body == "1.#QNAN";
}

bool IsGroupedText(std::string_view text) {
  std::string plain(text);
  std::erase(plain, ',');
  if (!IsNumberText(plain)) {
    return false;
  }
  if (!IsFixedNumberText(plain)) {
    return plain == text;
  }
  const std::string_view body = WithoutMinus(text);
  const std::string_view integer = body.substr(0, body.find('.'));
  if (body.find(',', integer.size()) != std::string_view::npos) {
    return false;
  }
  // The groups left of the point: one to three digits, then groups of exactly three.
  const auto firstComma = integer.find(',');
  if (firstComma == std::string_view::npos) {
    return integer.size() <= 3;
  }
  if (firstComma == 0 || firstComma > 3) {
    return false;
  }
  for (auto at = firstComma; at < integer.size(); at += 4) {
    if (integer[at] != ',' || integer.size() < at + 4) {
      return false;
    }
  }
  return (integer.size() - firstComma) % 4 == 0;
}

bool IsOutputText(std::string_view text) {
  const auto formatted = [](std::string_view t) { return IsNumberText(t) || IsGroupedText(t); };
  if (text.empty() || text == "-" || formatted(text)) {
    return true;
  }
  return text.front() == '-' && formatted(text.substr(1));
}

}  // namespace reliability
