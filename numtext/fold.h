// Full-width folding one character at a time, for readers that fold as they go.
#pragma once

#include <cstddef>
#include <string_view>

namespace numtext {

// Every folded character takes three bytes in UTF-8.
inline constexpr std::size_t kFoldedBytes = 3;

// The ASCII character that the UTF-8 sequence at the start of `text` folds to, or '\0' when the
// text does not start with a folded character.
//   FoldedAtStart("１２") == '1'   FoldedAtStart("12") == '\0'   FoldedAtStart("＄") == '\0'
char FoldedAtStart(std::string_view text);

}  // namespace numtext
