// The texts that a numeric edit box shows after it loses the focus.
#pragma once

#include <string>
#include <string_view>

namespace numtext {

// Integer box: skips leading white space, reads [+-]digits up to the first other character
// (no full-width fold), saturating at 64 bits, clamps to 32 bits; "0" becomes "".
//   "007" -> "7"   "-" -> ""   "12-3" -> "12"   "3000000000" -> "2147483647"
//   "99999999999999999999" -> "2147483647"   "-3000000000" -> "-2147483648"
std::string RewriteIntegerText(std::string_view text);

// Decimal box: FormatNumber(ParseWithoutFold(text)); "0" becomes "".
//   "1.50" -> "1.5"   ".5" -> "0.5"   "1.2.3" -> "1.2"   "10000000000000" -> "1e+013"
//   "１２" -> ""   "1e999" -> "1.#INF"
std::string RewriteDecimalText(std::string_view text);

}  // namespace numtext
