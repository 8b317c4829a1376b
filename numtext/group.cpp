#include <algorithm>
#include <string>

#include "numtext/char_class.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

constexpr std::size_t kGroupSize = 3;

bool IsPlainDecimal(std::string_view unsigned_text) {
  return std::all_of(unsigned_text.begin(), unsigned_text.end(),
                     [](char c) { return IsDigit(c) || c == '.'; });
}

}  // namespace

std::string FormatGrouped(double x) {
  const std::string text = FormatNumber(x);
  const std::size_t sign_length = text.starts_with('-') ? 1 : 0;
  const std::string_view unsigned_text = std::string_view(text).substr(sign_length);
  if (!IsPlainDecimal(unsigned_text)) {
    return text;  // scientific form, infinities and NaNs
  }
  const std::size_t integer_digits = std::min(unsigned_text.find('.'), unsigned_text.size());

  std::string grouped = text.substr(0, sign_length);
  for (std::size_t i = 0; i < integer_digits; ++i) {
    if (i > 0 && (integer_digits - i) % kGroupSize == 0) {
      grouped += ',';
    }
    grouped += unsigned_text[i];
  }
  grouped += unsigned_text.substr(integer_digits);
  return grouped;
}

}  // namespace numtext
