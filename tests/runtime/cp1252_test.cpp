#include "runtime/cp1252.h"

#include <gtest/gtest.h>

namespace cp = bv::cp1252;

TEST(Cp1252, EveryByteSurvivesDecodeThenEncode) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = cp::decode(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(cp::encode(text), all);
  // The undefined bytes are their own C1 codes.
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(text.at(b).unicode(), b);
}

TEST(Cp1252, HighBlockIsNotLatin1) {
  const QString high = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
  const QByteArray bytes = cp::encode(high);
  const QByteArray expected("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                            "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(cp::decode(expected), high);
  // A C1 code whose byte Windows-1252 gives to another character has no byte.
  EXPECT_EQ(cp::encodeChar(QChar(0x80)), '?');
  EXPECT_EQ(cp::encodeChar(QChar(0x9F)), '?');
}

TEST(Cp1252, SpanishLettersAreLatin1Bytes) {
  const QString es = QString::fromUtf8("áéíóúñÑü¿¡");
  const QByteArray bytes = cp::encode(es);
  EXPECT_EQ(bytes, QByteArray("\xE1\xE9\xED\xF3\xFA\xF1\xD1\xFC\xBF\xA1"));
  EXPECT_EQ(cp::decode(bytes), es);
  EXPECT_EQ(cp::encode(QString::fromUtf8("Año 2024")), QByteArray("A\xF1o 2024"));
}

TEST(Cp1252, CharactersOutsideBecomeOneQuestionMark) {
  EXPECT_EQ(cp::encode(QString::fromUtf8("a中b")), QByteArray("a?b"));
  EXPECT_EQ(cp::encode(QString::fromUtf8("x😀y")), QByteArray("x?y"));  // surrogate pair
  EXPECT_EQ(cp::encodeChar(QChar(0x0100)), '?');
  // A lone surrogate is one character outside the table too.
  EXPECT_EQ(cp::encode(QString(QChar(0xD800))), QByteArray("?"));
  EXPECT_TRUE(cp::encode(QString()).isEmpty());
}
