// The focus-loss rewrites of the integer and decimal boxes on arbitrary text.
//
// A rewrite must be stable: leaving a box twice writes what leaving it once wrote (but for the
// texts of infinities). Its result is empty or a text of the box's kind.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "numtext/numtext.h"
#include "numtext/rewrite.h"
#include "tests/reliability/number_shape.h"

namespace {

// "" or a plain 32-bit integer without leading zeros, and never "0".
bool IsIntegerBoxText(std::string_view text) {
  if (text.empty()) {
    return true;
  }
  const bool negative = text.front() == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 10 || digits.front() < '1' || digits.front() > '9' ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  const long long value = std::stoll(std::string(digits));
  return value <= (negative ? 2147483648LL : 2147483647LL);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::string integer = numtext::RewriteIntegerText(text);
  FUZZ_CHECK_MSG(IsIntegerBoxText(integer), integer);
  FUZZ_CHECK_MSG(numtext::RewriteIntegerText(integer) == integer, integer);

  const std::string decimal = numtext::RewriteDecimalText(text);
  FUZZ_CHECK_MSG(decimal.empty() || reliability::IsNumberText(decimal), decimal);
  FUZZ_CHECK_MSG(decimal != "0", decimal);
  // An infinity's text reads back as its leading "1" or "-1", as the rules say; every other
  // result is stable.
  const std::string_view infinity = ".#INF";
  const std::string stable =
      decimal.ends_with(infinity) ? decimal.substr(0, decimal.size() - infinity.size()) : decimal;
  FUZZ_CHECK_MSG(numtext::RewriteDecimalText(decimal) == stable, decimal);
  return 0;
}
