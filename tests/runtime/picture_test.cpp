#include "runtime/picture.h"

#include <gtest/gtest.h>

using bv::Date;
using bv::Decimal;
using bv::Picture;
using bv::Time;

namespace {

Picture P(const char* text) {
  QString error;
  auto p = Picture::parse(QString::fromUtf8(text), &error);
  EXPECT_TRUE(p) << text << ": " << error.toStdString();
  return p ? *p : *Picture::parse(QStringLiteral("s1"));
}
Decimal D(const char* s) { return *Decimal::parse(std::string_view(s)); }
std::string F(const char* pic, const char* value) { return P(pic).format(D(value)).toStdString(); }
std::optional<std::string> De(const char* pic, const char* typed) {
  auto v = P(pic).deformatNumber(QString::fromUtf8(typed));
  return v ? std::optional(v->toString()) : std::nullopt;
}

}  // namespace

TEST(Picture, ReadsEveryKindAndIgnoresAtAndCase) {
  EXPECT_EQ(P("@S255").width(), 255);
  EXPECT_EQ(P("N17.1~ gr~").places(), 1);
  EXPECT_EQ(P("@D06").kind(), Picture::Kind::Date);
  EXPECT_EQ(P("t4").width(), 8);
  EXPECT_EQ(P("T3").width(), 5);
  EXPECT_EQ(P("pHoja: ###p").width(), 9);
}

TEST(Picture, RefusesMalformedPicturesWithAReason) {
  for (const char* bad : {"", "@", "n", "x12", "n10.2.3", "n10.", "n0", "s", "s5x", "d5", "T9",
                          "pHoja", "pp", "n10~ gr", "n-7.2-", "n10.2bb", "~$~s10"}) {
    QString error;
    EXPECT_FALSE(Picture::parse(QString::fromUtf8(bad), &error)) << bad;
    EXPECT_FALSE(error.isEmpty()) << bad;
  }
  QString error;
  Picture::parse(QStringLiteral("x12"), &error);
  EXPECT_EQ(error, QStringLiteral("Tipo de máscara desconocido: 'x'"));
}

TEST(Picture, NumbersGroupRoundAndAlignInTheirWidth) {
  EXPECT_EQ(F("n10.2", "1234.5"), "  1,234.50");
  EXPECT_EQ(F("n10.2", "0.5"), "      0.50");
  EXPECT_EQ(F("n12", "1234567"), "   1,234,567");
  EXPECT_EQ(F("n10.2", "2.345"), "      2.35");    // half away from zero
  EXPECT_EQ(F("n10.2", "-2.345"), "     -2.35");
  EXPECT_EQ(F("n5.0b", "2.50"), "    3");           // shown without decimals
  EXPECT_EQ(F("n10.2", "-0.004"), "      0.00");    // rounds to zero: no "-0.00"
}

TEST(Picture, NegativesAlwaysShowTheirMinus) {
  EXPECT_EQ(F("n7.2", "-1.5"), "  -1.50");     // no "-" in the picture
  EXPECT_EQ(F("n-7.2", "-1.5"), "  -1.50");
  EXPECT_EQ(F("n-7.2", "1.5"), "   1.50");
  EXPECT_EQ(F("n7.2-", "-1.5"), "  1.50-");    // trailing minus
  EXPECT_EQ(F("n-~$~8.2", "-1.5"), "  -$1.50"); // a leading minus leads the literal
  EXPECT_EQ(F("n~$~-8.2", "-1.5"), "  -$1.50");
  EXPECT_EQ(F("n~$~8.2", "-1.5"), "  $-1.50");
  EXPECT_EQ(F("n10.2", "-1234.5"), " -1,234.50");
}

TEST(Picture, NumbersTooWideGrowAndAreNeverCut) {
  EXPECT_EQ(F("n3", "12345"), "12,345");
  EXPECT_EQ(F("n05", "1234567"), "1234567");
  EXPECT_EQ(F("n-7.2", "-12345.678"), "-12,345.68");
}

TEST(Picture, ZeroFillBlankWhenZeroAndLiterals) {
  EXPECT_EQ(F("n05", "42"), "00042");
  EXPECT_EQ(F("n010", "1234567"), "0001234567");  // no grouping
  EXPECT_EQ(F("n05", "-42"), "-0042");            // the sign takes a place
  EXPECT_EQ(F("n07.2", "1.5"), "0001.50");
  EXPECT_EQ(F("n10.2b", "0"), "");
  EXPECT_EQ(F("n10.2b", "0.001"), "");            // zero once rounded
  EXPECT_EQ(F("n5.0b", "0.4"), "");
  // The literal counts in the width.
  EXPECT_EQ(F("N17.1~ gr~", "12.3"), "          12.3 gr");
  EXPECT_EQ(F("N14.3~ lt~", "1.25"), "      1.250 lt");
  EXPECT_EQ(F("~U$S ~n12.2", "1234.5"), "U$S 1,234.50");
  EXPECT_EQ(F("@n~$~010.2", "12.5"), "$000012.50");
}

TEST(Picture, TextPictures) {
  const Picture s5 = P("s5");
  EXPECT_EQ(s5.format(QStringLiteral("abc")), QStringLiteral("abc  "));
  EXPECT_EQ(s5.format(QStringLiteral("abcdefg")), QStringLiteral("abcde"));
  EXPECT_EQ(s5.format(QString::fromUtf8("Ñandú")), QString::fromUtf8("Ñandú"));
  EXPECT_EQ(P("s20").format(D("0.0000")), QStringLiteral("0.0000").leftJustified(20));
  EXPECT_EQ(P("s3").format(D("1234.5")), QStringLiteral("123"));
  EXPECT_EQ(s5.deformatText(QStringLiteral("abcdefg")), QStringLiteral("abcde"));
}

TEST(Picture, NumberPictureGivenText) {
  EXPECT_EQ(P("n10.2").format(QStringLiteral(" 1234.5 ")), QStringLiteral("  1,234.50"));
  EXPECT_EQ(P("n10.2").format(QStringLiteral("1,234.5")), QStringLiteral("  1,234.50"));
  EXPECT_EQ(P("n05").format(QStringLiteral("7")), QStringLiteral("00007"));
  EXPECT_EQ(P("n5").format(QStringLiteral("abc")), QStringLiteral("  abc"));
}

TEST(Picture, PatternsFillDigitSlotsFromTheRight) {
  EXPECT_EQ(P("pHoja: <<#p").format(Decimal(7)), QStringLiteral("Hoja:   7"));
  EXPECT_EQ(P("pHoja: ###p").format(Decimal(7)), QStringLiteral("Hoja: 007"));
  EXPECT_EQ(P("p##/##p").format(Decimal(1205)), QStringLiteral("12/05"));
  EXPECT_EQ(P("p<<<p").format(Decimal(0)), QStringLiteral("   "));
  EXPECT_EQ(P("p<<#p").format(Decimal(0)), QStringLiteral("  0"));
  EXPECT_EQ(P("p<</<#p").format(Decimal(105)), QStringLiteral(" 1/05"));
  EXPECT_EQ(P("p<<#p").format(Decimal(12345)), QStringLiteral("12345"));  // grows
  EXPECT_EQ(P("pNº ##/##p").format(Decimal(12345)), QString::fromUtf8("Nº 123/45"));
  EXPECT_EQ(P("p<<#p").format(Decimal(-7)), QStringLiteral(" -7"));
  EXPECT_EQ(P("p##p").format(Decimal(-7)), QStringLiteral("-07"));
  EXPECT_EQ(P("p##/##p").format(QStringLiteral("1205")), QStringLiteral("12/05"));
  // A pattern may carry digits of its own and the letter p inside.
  EXPECT_EQ(P("@pFecha:01/02/2024 Pagina: <<<p").format(Decimal(3)),
            QStringLiteral("Fecha:01/02/2024 Pagina:   3"));
}

TEST(Picture, DatesAndTimes) {
  const Picture d6 = P("d6");
  EXPECT_EQ(d6.format(Date::fromYmd(2024, 3, 5)), QStringLiteral("05/03/2024"));
  EXPECT_EQ(P("D17").format(Date::fromYmd(999, 12, 31)), QStringLiteral("31/12/0999"));
  EXPECT_EQ(d6.format(Date()), QString());
  EXPECT_EQ(d6.format(Decimal(Date::fromYmd(2024, 3, 5).dayNumber())), QStringLiteral("05/03/2024"));
  EXPECT_EQ(d6.format(QStringLiteral("2024-03-05")), QStringLiteral("05/03/2024"));
  const Time t = Time::fromHms(9, 5, 7, 99);
  EXPECT_EQ(P("T3").format(t), QStringLiteral("09:05"));
  EXPECT_EQ(P("T8").format(t), QStringLiteral("09:05:07"));
  EXPECT_EQ(P("t4").format(Time::fromHms(0, 0, 0)), QStringLiteral("00:00:00"));  // midnight is a time
  EXPECT_EQ(P("T8").format(Time()), QString());
}

TEST(Picture, DeformatsNumbersAsThePictureWritesThem) {
  EXPECT_EQ(De("n10.2", "1,234.50"), "1234.50");
  EXPECT_EQ(De("n10.2", "  1234.5 "), "1234.50");
  EXPECT_EQ(De("n10.2", "2.345"), "2.35");      // rounded to the picture's places
  EXPECT_EQ(De("n10.2", "-3"), "-3.00");
  EXPECT_EQ(De("n10.2", "3-"), "-3.00");
  EXPECT_EQ(De("n10.2", "- 3"), "-3.00");
  EXPECT_EQ(De("n10.2", ".5"), "0.50");
  EXPECT_EQ(De("n10.2", ""), "0.00");
  EXPECT_EQ(De("N17.1~ gr~", "12.3 gr"), "12.3");
  EXPECT_EQ(De("N17.1~ gr~", "12.3GR"), "12.3");
  EXPECT_EQ(De("n-~$~8.2", "-$1.50"), "-1.50");
  EXPECT_EQ(De("n~$~8.2", "$-1.50"), "-1.50");
  EXPECT_EQ(De("n010", "0001234567"), "1234567");
  EXPECT_EQ(De("n12", "1,234,567"), "1234567");
  EXPECT_EQ(De("s10", "1.2500"), "1.2500");
}

TEST(Picture, RefusesTypedTextThatIsNotANumber) {
  for (const char* bad : {"12,5", "abc", "1.2.3", "1,23", "1,2345", ",123", "-", "--5", "1-2",
                          "5 gr", "12 5", "1e5", "-$"}) {
    EXPECT_EQ(De("n10.2", bad), std::nullopt) << bad;
  }
  EXPECT_EQ(De("n010", "1,234"), std::nullopt);  // a zero-filled picture never groups
}

TEST(Picture, FormatThenDeformatGivesTheValueBack) {
  const char* pictures[] = {"n10.2", "n-7.2", "n7.2-", "n05", "n010", "N17.1~ gr~",
                            "N14.3~ lt~", "n-~$~12.2", "n3", "@n8.4", "n10.2b"};
  const char* values[] = {"0", "1", "-1", "1234.5", "-98765.4321", "0.05", "1234567.89"};
  for (const char* pic : pictures) {
    const Picture p = P(pic);
    for (const char* value : values) {
      const Decimal v = D(value).rounded(p.places());
      const auto back = p.deformatNumber(p.format(v));
      ASSERT_TRUE(back) << pic << " " << value << " -> " << p.format(v).toStdString();
      EXPECT_EQ(*back, v) << pic << " " << value;
    }
  }
  const Picture page = P("pHoja: <<#p");
  EXPECT_EQ(page.deformatText(page.format(Decimal(42))), QStringLiteral("42"));
  EXPECT_EQ(*page.deformatNumber(page.format(Decimal(42))), Decimal(42));
  const Picture date = P("p##/##p");
  EXPECT_EQ(*date.deformatNumber(QStringLiteral("12/05")), Decimal(1205));
  const Picture phone = P("p####-####p");
  EXPECT_EQ(*phone.deformatNumber(phone.format(Decimal(45551234))), Decimal(45551234));
  EXPECT_EQ(*P("p<<#p").deformatNumber(QStringLiteral(" -7")), Decimal(-7));
}

TEST(Picture, DeformatsDatesAndTimes) {
  bv::Clock::fix(Date::fromYmd(2024, 6, 1));
  const Picture d6 = P("d6");
  const Date march5 = Date::fromYmd(2024, 3, 5);
  for (const char* typed : {"05/03/2024", "5/3/2024", " 05-03-2024 ", "5.3.24", "05032024", "050324"})
    EXPECT_EQ(d6.deformatDate(QString::fromUtf8(typed)), march5) << typed;
  EXPECT_EQ(d6.deformatDate(QStringLiteral("1/1/44")), Date::fromYmd(2044, 1, 1));
  EXPECT_EQ(d6.deformatDate(QStringLiteral("1/1/45")), Date::fromYmd(1945, 1, 1));
  EXPECT_EQ(d6.deformatDate(QString()), Date());
  for (const char* bad : {"31/02/2024", "2024-03-05", "5/3", "5/3/202", "aa/bb/cccc", "0/1/2024", "1/13/2024"})
    EXPECT_EQ(d6.deformatDate(QString::fromUtf8(bad)), std::nullopt) << bad;
  EXPECT_EQ(d6.deformatDate(d6.format(march5)), march5);
  bv::Clock::clear();

  const Picture t8 = P("T8");
  EXPECT_EQ(t8.deformatTime(QStringLiteral("9:05")), Time::fromHms(9, 5, 0));
  EXPECT_EQ(t8.deformatTime(QString()), Time());
  for (const char* bad : {"24:00", "12:60", "12", "12:5", "1:02:03:04", "ab:cd"})
    EXPECT_EQ(t8.deformatTime(QString::fromUtf8(bad)), std::nullopt) << bad;
  EXPECT_EQ(t8.deformatTime(t8.format(Time::fromHms(7, 8, 9))), Time::fromHms(7, 8, 9));
}
