#include "tests/reliability/random_text.h"

#include <array>
#include <span>

namespace reliability {
namespace {

constexpr qsizetype kHugeLength = 1 << 20;

template <class T>
const T& Pick(std::mt19937_64& random, std::span<const T> items) {
  return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
}

QString Digits(std::mt19937_64& random, int count) {
  QString digits;
  for (int i = 0; i < count; ++i) {
    digits += QChar(u'0' + static_cast<char16_t>(random() % 10));
  }
  return digits;
}

constexpr std::array<const char16_t*, 36> kPieces = {u"0",
                                                     u"-",
                                                     u".",
                                                     u"+",
                                                     u"e",
                                                     u"E",
                                                     u"d",
                                                     u"D",
                                                     u"e+",
                                                     u"e-",
                                                     u"12.5",
                                                     u"-3",
                                                     u".5",
                                                     u"5.",
                                                     u"1e999",
                                                     u"-1e999",
                                                     u"1e-999",
                                                     u"1,234,567.5",
                                                     u"1.#INF",
                                                     u"-1.#IND",
                                                     u"0x1A",
                                                     u" ",
                                                     u"\t",
                                                     u"\n",
                                                     u"\r\n",
                                                     u"元",
                                                     u"涨跌停",
                                                     u"１２．５",
                                                     u"－３",
                                                     u"\u3000",
                                                     u"★☆～￥￣＄",
                                                     u"\u200F",
                                                     u"\u200E\u202E",
                                                     u"\U0001F4C8",
                                                     u"9999999999999.5",
                                                     u"2147483648"};

QString Piece(std::mt19937_64& random) {
  switch (random() % 8) {
    case 0:
      return Digits(random, 1 + static_cast<int>(random() % 30));
    case 1:
      return QString(QChar(u'\0'));
    case 2:
      // A lone high or low surrogate.
      return QString(QChar(static_cast<char16_t>(0xD800 + random() % 0x800)));
    case 3:
      return QString(QChar(static_cast<char16_t>(random() % 0x10000)));
    default:
      return QString::fromUtf16(Pick<const char16_t*>(random, kPieces));
  }
}

}  // namespace

QString RandomText(std::mt19937_64& random) {
  QString text;
  for (auto count = 1 + random() % 8; count > 0; --count) {
    text += Piece(random);
  }
  return text;
}

QString RandomNumberText(std::mt19937_64& random) {
  QString text = random() % 4 == 0 ? QStringLiteral("-") : QString();
  text += Digits(random, 1 + static_cast<int>(random() % 12));
  if (random() % 2 == 0) {
    text += u'.' + Digits(random, static_cast<int>(random() % 6));
  }
  if (random() % 8 == 0) {
    text += u'e' + Digits(random, 1 + static_cast<int>(random() % 3));
  }
  if (random() % 8 == 0) {
    text.insert(static_cast<qsizetype>(random() % static_cast<std::uint64_t>(text.size() + 1)),
                random() % 2 == 0 ? u'-' : u'.');
  }
  return text;
}

QString HugeText(std::mt19937_64& random) {
  const QString unit = RandomText(random) + Digits(random, 20);
  QString text;
  text.reserve(kHugeLength + unit.size());
  while (text.size() < kHugeLength) {
    text += unit;
  }
  return text;
}

QString RandomImeText(std::mt19937_64& random) {
  static constexpr std::array<const char16_t*, 12> kCommits = {
      u"０", u"５", u"９", u"．", u"－", u"＋", u"ｅ", u"\u3000", u"元", u"涨", u"１２．５", u"￥"};
  return QString::fromUtf16(Pick<const char16_t*>(random, kCommits));
}

}  // namespace reliability
