// The keys an entry takes by its picture.
#include "shell/form/entry_keys.h"

#include <gtest/gtest.h>

using namespace bv;
using namespace Qt::StringLiterals;

namespace {

Picture picture(const QString& text) { return *Picture::parse(text); }

// What an entry holds after each character is typed at its end.
QString typed(const QString& pictureText, const QString& keys) {
  const Picture p = picture(pictureText);
  QString text;
  for (const QChar c : keys)
    if (entryTakes(p, text, static_cast<int>(text.size()), 0, c)) text += c;
  return text;
}

}  // namespace

TEST(EntryKeys, NumbersTakeDigitsAPointWhereThereAreDecimalsAndAMinusWhereThePictureShowsOne) {
  EXPECT_EQ(typed(u"n3"_s, u"abc12"_s), u"12"_s);
  EXPECT_EQ(typed(u"n3"_s, u"1.5-"_s), u"15"_s);         // no decimals, no sign
  EXPECT_EQ(typed(u"n10.2"_s, u"12,5"_s), u"125"_s);     // the comma never gets in
  EXPECT_EQ(typed(u"n10.2"_s, u"1.2.3"_s), u"1.23"_s);   // one point
  EXPECT_EQ(typed(u"n-7.2"_s, u"-1-2.5"_s), u"-12.5"_s); // one minus
  EXPECT_EQ(typed(u"n7.2-"_s, u"3-"_s), u"3-"_s);
  EXPECT_EQ(typed(u"n-~$~8.2"_s, u"$-4"_s), u"-4"_s);    // literals are shown, not typed
  EXPECT_EQ(typed(u"n~-~8.2"_s, u"-4"_s), u"4"_s);       // a "-" inside a literal is no sign
  EXPECT_TRUE(pictureTakesNegatives(picture(u"n-7.2"_s)));
  EXPECT_FALSE(pictureTakesNegatives(picture(u"n010"_s)));

  // Typed over a selection, what is selected no longer counts.
  const Picture costs = picture(u"n10.2"_s);
  EXPECT_FALSE(entryTakes(costs, u"1.50"_s, 4, 0, u'.'));
  EXPECT_TRUE(entryTakes(costs, u"1.50"_s, 1, 1, u'.'));
}

TEST(EntryKeys, DatesTimesPatternsAndTexts) {
  EXPECT_EQ(typed(u"d6"_s, u"3x1/0a1/2024"_s), u"31/01/2024"_s);
  EXPECT_EQ(typed(u"d6"_s, u"31-01.24"_s), u"31-01.24"_s);
  EXPECT_EQ(typed(u"T3"_s, u"12h:30"_s), u"12:30"_s);
  EXPECT_EQ(typed(u"p##/##p"_s, u"12/0x5"_s), u"12/05"_s);
  EXPECT_EQ(typed(u"s10"_s, u"Rojo, 12.5"_s), u"Rojo, 12.5"_s);
}
