// Number text rules: how a text becomes a number and a number a text.
//
// Pure functions without state; they never read the locale and never fail. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numtext {

// Folds full-width forms to ASCII, leaving everything else as it is:
// U+FF01..U+FF5D (but U+FF04) become the ASCII character 0xFEE0 below them, U+FFE5 "￥" becomes
// "$", U+FFE3 "￣" and U+FF5E "～" become "~", U+3000 becomes " ", U+2605 and U+2606 become "*".
//   FoldFullWidth("－１２．５") == "-12.5"      FoldFullWidth("＄1") == "＄1"
std::string FoldFullWidth(std::string_view text);

// The double nearest to the number that the text begins with, after FoldFullWidth and leading
// white space (space, \t, \n, \v, \f, \r). Form: [+-]digits[.digits] or [+-].digits, then an
// optional exponent [eEdD][+-]digits. Only the first 25 significant mantissa digits count; a
// written exponent beyond ±5200 counts as ±5201. No digit in the mantissa gives +0.
//   "12.5元" -> 12.5     "1,234" -> 1     "2d2" -> 200     "1e" -> 1     "-0" -> -0
//   "- 3" -> 0           "1e999" -> +inf  "1e-999" -> 0    "０x1A" -> 0
double ParseNumber(std::string_view text);

// ParseNumber without its FoldFullWidth step: full-width characters end the number.
//   ParseWithoutFold("１２") == 0
double ParseWithoutFold(std::string_view text);

// At most 13 significant digits, as "%.13g" but rounded half up from the 17-digit half-up
// rounding of x, with a three-digit exponent and these texts for the special values:
//   10.5 -> "10.5"   2.0/3 -> "0.6666666666667"   1e13 -> "1e+013"   1e-5 -> "1e-005"
//   -0.0 -> "0"      +inf -> "1.#INF"   -inf -> "-1.#INF"   0xFFF8000000000000 -> "-1.#IND"
//   other quiet NaNs -> "1.#QNAN" (with "-" when the sign bit is set)
std::string FormatNumber(double x);

// Plain decimal digits with "-" when negative.   FormatInteger(0) == "0"
std::string FormatInteger(std::int32_t n);

// Half away from zero to `places` decimal places, with a nudge of 1e-12 in units of the last kept
// place, every step in double arithmetic. Zero, NaN and infinities pass unchanged, and so does a
// finite x whose scaling would overflow.
//   (1.005, 2) -> 1.01   (0.285, 2) -> 0.29   (-2.5, 0) -> -3   (-0.001, 2) -> -0
double RoundDecimal(double x, int places);

// FormatNumber with "," between groups of three integer digits; scientific, infinite and NaN
// texts stay as they are.   -1234567.891 -> "-1,234,567.891"   1e15 -> "1e+015"
std::string FormatGrouped(double x);

// Truncates toward zero to 64 bits (NaN, infinities and magnitudes of 2^63 or more give -2^63) and
// keeps the low 32 bits.   2.7 -> 2   3e9 -> -1294967296   4294967297 -> 1   1e19, NaN -> 0
std::int32_t ToCount(double x);

// True only for the text with no characters; blanks are not empty.
bool IsEmptyText(std::string_view text);

// Margin of every comparison between two numbers.
inline constexpr double CompareTolerance = 1e-7;

}  // namespace numtext
