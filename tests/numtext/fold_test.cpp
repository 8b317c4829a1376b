#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "numtext/numtext.h"

namespace {

using numtext::FoldFullWidth;

TEST(FoldFullWidth, FoldsTheTable) {
  const struct {
    const char* name;
    std::string_view text;
    std::string_view expected;
  } rows[] = {
      {"full-width digits", "０１２３４５６７８９", "0123456789"},
      {"full-width sign, point, comma and exponent letters", "－＋．，ｅＥｄＤ", "-+.,eEdD"},
      {"first of the run: U+FF01 -> !", "\uFF01", "!"},
      {"last of the run: U+FF5D -> }", "\uFF5D", "}"},
      {"full-width letters", "ＡＺａｚ", "AZaz"},
      {"U+FFE5 yen sign -> $", "\uFFE5", "$"},
      {"U+FFE3 macron -> ~", "\uFFE3", "~"},
      {"U+FF5E wave dash -> ~", "\uFF5E", "~"},
      {"U+3000 ideographic space -> blank", "\u3000", " "},
      {"U+2605 black star -> *", "\u2605", "*"},
      {"U+2606 white star -> *", "\u2606", "*"},
      {"mixed with ASCII and Chinese", "价格：１２.５元", "价格:12.5元"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FoldFullWidth(row.text), row.expected) << row.name;
  }
}

TEST(FoldFullWidth, LeavesEverythingElse) {
  const struct {
    const char* name;
    std::string_view text;
  } rows[] = {
      {"empty", ""},
      {"ASCII", " 12.5e-3 abc,$~*"},
      {"U+FF04 full-width dollar", "\uFF04"},
      {"U+FF00, just before the run", "\uFF00"},
      {"U+FF5F, just after the wave dash", "\uFF5F"},
      {"U+FFE4, between the folded U+FFE3 and U+FFE5", "\uFFE4"},
      {"U+2604 and U+2607, beside the stars", "\u2604\u2607"},
      {"U+3001 ideographic comma", "\u3001"},
      {"Chinese characters", "元涨跌停"},
      {"two-byte and four-byte characters", "é😀"},
      {"a lone lead byte at the end", "1\xEF"},
      {"a sequence cut short at the end", "1\xEF\xBC"},
      {"a bad continuation byte", "\xEF\xBC\x11\xEF\x11\x91"},
      {"stray continuation bytes", "\x91\x92\x93"},
      {"NUL bytes", std::string_view("\0a\0", 3)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FoldFullWidth(row.text), row.text) << row.name;
  }
}

// A byte that starts no folded character stays, and the folding goes on right after it.
TEST(FoldFullWidth, FoldsAfterInvalidBytes) {
  EXPECT_EQ(FoldFullWidth("\xEF\xEF\xBC\x91"), std::string("\xEF") + "1") << "lone lead byte";
  EXPECT_EQ(FoldFullWidth("\xBC\xEF\xBC\x91"), std::string("\xBC") + "1") << "stray continuation";
}

}  // namespace
