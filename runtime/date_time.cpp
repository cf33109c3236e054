#include "runtime/date_time.h"

#include <QDateTime>
#include <atomic>

namespace bv {
namespace {
// Julian day of 31 December of year 0, so that day 1 is 1 January of year 1.
constexpr qint64 kJulianOffset = 1721425;

std::atomic<std::int32_t> fixedDay{0};
std::atomic<std::int32_t> fixedTime{0};
}  // namespace

Date Date::fromYmd(int year, int month, int day) { return fromQDate(QDate(year, month, day)); }

Date Date::fromQDate(const QDate& d) {
  if (!d.isValid()) return Date();
  return Date(static_cast<std::int32_t>(d.toJulianDay() - kJulianOffset));
}

std::optional<Date> Date::fromIso(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return Date();
  const QDate d = QDate::fromString(t, Qt::ISODate);
  if (!d.isValid() || t.size() != 10) return std::nullopt;
  return fromQDate(d);
}

QDate Date::toQDate() const {
  if (isNull()) return QDate();
  return QDate::fromJulianDay(day_ + kJulianOffset);
}

QString Date::toIso() const { return isNull() ? QString() : toQDate().toString(Qt::ISODate); }

Time Time::fromHms(int h, int m, int s, int hundredths) {
  return Time(((h * 60 + m) * 60 + s) * 100 + hundredths + 1);
}

Time Time::fromQTime(const QTime& t) {
  if (!t.isValid()) return Time();
  return fromHms(t.hour(), t.minute(), t.second(), t.msec() / 10);
}

QTime Time::toQTime() const {
  if (isNull()) return QTime();
  return QTime::fromMSecsSinceStartOfDay((stored_ - 1) * 10);
}

Date Clock::today() {
  const auto d = fixedDay.load();
  return d ? Date(d) : Date::fromQDate(QDate::currentDate());
}

Time Clock::now() {
  const auto t = fixedTime.load();
  return (fixedDay.load() && t) ? Time(t) : Time::fromQTime(QTime::currentTime());
}

void Clock::fix(Date today, Time now) {
  fixedDay = today.dayNumber();
  fixedTime = now.stored();
}

void Clock::clear() {
  fixedDay = 0;
  fixedTime = 0;
}

}  // namespace bv
