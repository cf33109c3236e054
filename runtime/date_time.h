#pragma once
// Calendar dates as day numbers and times of day, as the data files keep them.
//
// A date is the count of days with 1 = 1 January of year 1 (proleptic Gregorian);
// 0 means "no date". A time is hundredths of a second since midnight plus one;
// 0 means "no time".
#include <QDate>
#include <QTime>
#include <compare>
#include <cstdint>
#include <optional>

namespace bv {

class Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(std::int32_t day) : day_(day) {}
  static Date fromYmd(int year, int month, int day);  // invalid -> no date
  static Date fromQDate(const QDate& d);
  // "YYYY-MM-DD"; an empty text is no date; anything else not a date -> nullopt.
  static std::optional<Date> fromIso(const QString& text);

  std::int32_t dayNumber() const { return day_; }
  bool isNull() const { return day_ == 0; }
  QDate toQDate() const;
  int year() const { return toQDate().year(); }
  int month() const { return toQDate().month(); }
  int day() const { return toQDate().day(); }
  Date addDays(int n) const { return isNull() ? Date() : Date(day_ + n); }
  QString toIso() const;  // empty for no date

  friend auto operator<=>(const Date&, const Date&) = default;

 private:
  std::int32_t day_ = 0;
};

class Time {
 public:
  constexpr Time() = default;
  constexpr explicit Time(std::int32_t stored) : stored_(stored) {}
  static Time fromHms(int h, int m, int s, int hundredths = 0);
  static Time fromQTime(const QTime& t);

  std::int32_t stored() const { return stored_; }
  bool isNull() const { return stored_ == 0; }
  QTime toQTime() const;

  friend auto operator<=>(const Time&, const Time&) = default;

 private:
  std::int32_t stored_ = 0;
};

// The one source of today and now. Tests and the headless runner may fix it.
class Clock {
 public:
  static Date today();
  static Time now();
  // Fixes today and now for the whole process (tests); clear() returns to the
  // system clock.
  static void fix(Date today, Time now = Time());
  static void clear();
};

}  // namespace bv
