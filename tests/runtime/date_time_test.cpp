#include "runtime/date_time.h"

#include <gtest/gtest.h>

using namespace bv;

TEST(DateTime, DayNumbersRoundTrip) {
  const Date d = Date::fromYmd(2026, 12, 8);
  EXPECT_FALSE(d.isNull());
  EXPECT_EQ(d.year(), 2026);
  EXPECT_EQ(d.month(), 12);
  EXPECT_EQ(d.day(), 8);
  EXPECT_EQ(d.addDays(24).toIso(), "2027-01-01");
  EXPECT_EQ(Date::fromYmd(1, 1, 1).dayNumber(), 1);
  EXPECT_TRUE(Date::fromYmd(2026, 2, 30).isNull());
  EXPECT_EQ(Date().toIso(), "");
  EXPECT_EQ(Date::fromIso("2026-03-01")->toIso(), "2026-03-01");
  EXPECT_TRUE(Date::fromIso("")->isNull());
  EXPECT_FALSE(Date::fromIso("01/03/2026"));
}

TEST(DateTime, ClockCanBeFixed) {
  Clock::fix(Date::fromYmd(2020, 5, 1), Time::fromHms(10, 30, 0));
  EXPECT_EQ(Clock::today().toIso(), "2020-05-01");
  EXPECT_EQ(Clock::now().toQTime().toString("hh:mm:ss"), "10:30:00");
  Clock::clear();
  EXPECT_NE(Clock::today().toIso(), "2020-05-01");
}
