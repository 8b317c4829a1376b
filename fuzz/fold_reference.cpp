#include "fuzz/fold_reference.h"

#include <cstdint>

namespace fuzz {
namespace {

struct Decoded {
  char32_t codePoint;
  std::size_t length;
};

// The code point at the start of `text`, or nothing for an ill-formed sequence (overlong forms,
// surrogates and values above U+10FFFF included).
std::optional<Decoded> DecodeOne(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) {
    return Decoded{lead, 1};
  }
  std::size_t length = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) {
    return std::nullopt;
  }
  char32_t codePoint = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return std::nullopt;
    }
    codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
  }
  if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return std::nullopt;
  }
  return Decoded{codePoint, length};
}

std::optional<char> Folded(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5D && c != 0xFF04) {
    return static_cast<char>(c - 0xFEE0);
  }
  switch (c) {
    case 0xFFE5:
      return '$';
    case 0xFFE3:
    case 0xFF5E:
      return '~';
    case 0x3000:
      return ' ';
    case 0x2605:
    case 0x2606:
      return '*';
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> FoldReference(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const auto decoded = DecodeOne(text);
    if (!decoded) {
      return std::nullopt;
    }
    const auto folded = Folded(decoded->codePoint);
    out += folded ? std::string(1, *folded) : std::string(text.substr(0, decoded->length));
    text.remove_prefix(decoded->length);
  }
  return out;
}

}  // namespace fuzz
