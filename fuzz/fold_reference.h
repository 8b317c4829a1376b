// The full-width fold written from its table, for valid UTF-8 only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fuzz {

// FoldFullWidth as its table says, or nothing when the text is not valid UTF-8 (the fold is then
// only required to leave what it cannot read as it is).
std::optional<std::string> FoldReference(std::string_view text);

}  // namespace fuzz
