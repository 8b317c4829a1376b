// Recognisers for the texts that the number rules can produce, written independently of them so
// that the fuzz targets and the monkey test can check any output against its expected shape.
#pragma once

#include <string_view>

namespace reliability {

// A FormatNumber text: "0"; a fixed form of at most 13 significant digits with no superfluous
// zeros or point, between 1e-4 and 1e13; a scientific form d[.ddd]e±xxx with an exponent of
// exactly three digits outside that range; or 1.#INF, 1.#QNAN (either sign), -1.#IND.
bool IsNumberText(std::string_view text);

// A FormatGrouped text: a number text whose fixed form has "," between each group of three
// integer digits, counting from the point.
bool IsGroupedText(std::string_view text);

// The fixed form of a number text (no exponent, no infinity or NaN).
bool IsFixedNumberText(std::string_view text);

// What an output box or label may show: "", "-", or a number or grouped text, optionally with a
// "-" joined in front.
bool IsOutputText(std::string_view text);

}  // namespace reliability
