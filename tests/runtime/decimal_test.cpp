#include "runtime/decimal.h"

#include <gtest/gtest.h>

using bv::Decimal;

static Decimal D(const char* s) { return *Decimal::parse(s); }

TEST(Decimal, ParsesAndWritesWithItsPlaces) {
  EXPECT_EQ(D("1.2500").toString(), "1.2500");
  EXPECT_EQ(D("-3").toString(), "-3");
  EXPECT_EQ(D(" +0.5 ").toString(), "0.5");
  EXPECT_EQ(D(".5").toString(), "0.5");
  EXPECT_EQ(D("-0.05").toString(), "-0.05");
  EXPECT_FALSE(Decimal::parse("12,5"));
  EXPECT_FALSE(Decimal::parse(""));
  EXPECT_FALSE(Decimal::parse("-"));
  EXPECT_FALSE(Decimal::parse("1.2.3"));
  EXPECT_FALSE(Decimal::parse("1e5"));
}

TEST(Decimal, RoundsHalfAwayFromZeroOnStore) {
  EXPECT_EQ(D("2.345").rounded(2).toString(), "2.35");
  EXPECT_EQ(D("-2.345").rounded(2).toString(), "-2.35");
  EXPECT_EQ(D("2.344999").rounded(2).toString(), "2.34");
  EXPECT_EQ(D("0.5").rounded(0).toString(), "1");
  EXPECT_EQ(D("-0.5").rounded(0).toString(), "-1");
  EXPECT_EQ(D("3").rounded(4).toString(), "3.0000");
  EXPECT_EQ(D("9.99999").truncated(2).toString(), "9.99");
}

TEST(Decimal, ArithmeticIsExact) {
  EXPECT_EQ((D("0.1") + D("0.2")).toString(), "0.3");
  EXPECT_EQ(D("0.1") + D("0.2"), D("0.3"));
  EXPECT_EQ((D("10.25") - D("0.255")).toString(), "9.995");
  EXPECT_EQ((D("1.25") * D("0.2")).toString(), "0.250");
  EXPECT_EQ((D("1") / D("3")).toString(2), "0.33");
  EXPECT_EQ((D("2") / D("3")).rounded(12).toString(), "0.666666666667");
  EXPECT_EQ((D("-7") / D("2")).rounded(0).toString(), "-4");
  EXPECT_EQ((D("100") / D("0")), Decimal());
  // Twelve decimals survive a chain of products and quotients.
  const Decimal x = D("1234.5678") * D("0.000123456789") / D("7");
  EXPECT_EQ(x.rounded(12).toString(), "0.021773682342");
}

TEST(Decimal, LargeValuesKeepTheirDigits) {
  const Decimal big = D("99999999999999.9999");
  EXPECT_EQ((big * D("999.9999")).rounded(2).toString(), "99999989999999999.90");
  EXPECT_EQ((big / D("0.0001")).rounded(0).toString(), "999999999999999999");
}

TEST(Decimal, ComparesAcrossScales) {
  EXPECT_TRUE(D("1.50") == D("1.5"));
  EXPECT_TRUE(D("-1") < D("0.001"));
  EXPECT_TRUE(D("2.0001") > D("2"));
}

TEST(Decimal, FitsItsFieldAndKnowsTheLargest) {
  EXPECT_EQ(Decimal::largest(7, 4).toString(), "999.9999");  // DECIMAL(4,4)
  EXPECT_TRUE(D("999.9999").fits(7, 4));
  EXPECT_FALSE(D("1000").fits(7, 4));
  EXPECT_FALSE(D("999.99995").fits(7, 4));  // rounds to 1000.0000
  EXPECT_TRUE(D("-999.9999").fits(7, 4));
  EXPECT_EQ(D("12.7").toInteger(), 12);
  EXPECT_EQ(D("-12.7").toInteger(), -12);
}
