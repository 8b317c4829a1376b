#include <string>
#include <string_view>

#include "numtext/fold.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

struct Fold {
  char32_t from;
  char to;
};

// The folds outside the run of full-width forms.
constexpr Fold kSingleFolds[] = {
    {U'\u3000', ' '}, {U'\uFF5E', '~'}, {U'\uFFE3', '~'},
    {U'\uFFE5', '$'}, {U'\u2605', '*'}, {U'\u2606', '*'},
};

constexpr char32_t kFirstFullWidth = U'\uFF01';
constexpr char32_t kLastFullWidth = U'\uFF5D';
constexpr char32_t kFullWidthDollar = U'\uFF04';  // stays: "￥" takes the place of "$"
constexpr char32_t kFullWidthOffset = 0xFEE0;

// The code point of the three-byte UTF-8 sequence at the start of `bytes`, or 0 when there is none.
char32_t ThreeByteCodePoint(std::string_view bytes) {
  if (bytes.size() < kFoldedBytes) {
    return 0;
  }
  const auto b0 = static_cast<unsigned char>(bytes[0]);
  const auto b1 = static_cast<unsigned char>(bytes[1]);
  const auto b2 = static_cast<unsigned char>(bytes[2]);
  if ((b0 & 0xF0u) != 0xE0u || (b1 & 0xC0u) != 0x80u || (b2 & 0xC0u) != 0x80u) {
    return 0;
  }
  return static_cast<char32_t>(((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu));
}

// The ASCII character that the code point folds to, or '\0' when it stays.
char FoldedChar(char32_t code_point) {
  if (code_point >= kFirstFullWidth && code_point <= kLastFullWidth &&
      code_point != kFullWidthDollar) {
    return static_cast<char>(code_point - kFullWidthOffset);
  }
  for (const Fold& fold : kSingleFolds) {
    if (fold.from == code_point) {
      return fold.to;
    }
  }
  return '\0';
}

}  // namespace

char FoldedAtStart(std::string_view text) {
  const char32_t code_point = ThreeByteCodePoint(text);
  return code_point == 0 ? '\0' : FoldedChar(code_point);  // most bytes start no such sequence
}

std::string FoldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  std::size_t copied_to = 0;  // the bytes before it are in `folded`
  std::size_t i = 0;
  while (i < text.size()) {
    const char ascii = FoldedAtStart(text.substr(i));
    if (ascii == '\0') {
      ++i;
      continue;
    }
    folded.append(text.substr(copied_to, i - copied_to));
    folded.push_back(ascii);
    i += kFoldedBytes;
    copied_to = i;
  }
  folded.append(text.substr(copied_to));
  return folded;
}

}  // namespace numtext
