// Values to display text (the picture language is described in picture.h).
#include <cstdint>
#include "runtime/picture.h"

#include <QList>
#include <algorithm>

namespace bv {
namespace {

// "1234567" -> "1,234,567".
QString grouped(const QString& digits) {
  QString out;
  const qsizetype n = digits.size();
  for (qsizetype k = 0; k < n; ++k) {
    if (k > 0 && (n - k) % 3 == 0) out += u',';
    out += digits.at(k);
  }
  return out;
}

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); }

}  // namespace

// Built in one pass into one buffer: this runs for every numeric cell of every
// export and listing.
QString Picture::formatNumber(const Decimal& v) const {
  const Decimal r = v.rounded(places_);
  if (blank_ && r.isZero()) return QString();
  const bool negative = r.isNegative();
  const int scale = r.scale();

  // The digits of the value, least significant first.
  char16_t digits[48];
  int n = 0;
  Decimal::Mantissa m = r.mantissa() < 0 ? -r.mantissa() : r.mantissa();
  if (m <= static_cast<Decimal::Mantissa>(UINT64_MAX)) {
    auto small = static_cast<std::uint64_t>(m);
    do {
      digits[n++] = static_cast<char16_t>(u'0' + small % 10);
      small /= 10;
    } while (small != 0);
  } else {
    do {
      digits[n++] = static_cast<char16_t>(u'0' + static_cast<int>(m % 10));
      m /= 10;
    } while (m != 0);
  }
  while (n <= scale) digits[n++] = u'0';  // at least one whole digit
  const int whole = n - scale;
  const int groups = zeroFill_ ? 0 : (whole - 1) / 3;

  const bool minusFirst = negative && minusLeads_;
  const bool minusBeforeDigits = negative && !minusLeads_ && !minusTrails_;
  const bool minusLast = negative && minusTrails_;
  const qsizetype used = before_.size() + after_.size() + (negative ? 1 : 0) + whole + groups +
                         (scale > 0 ? scale + 1 : 0);
  const qsizetype zeros = (zeroFill_ && used < width_) ? width_ - used : 0;
  const qsizetype blanks = std::max<qsizetype>(0, width_ - used - zeros);

  QString out;
  out.reserve(used + zeros + blanks);
  out.append(QString(blanks, u' '));
  if (minusFirst) out.append(u'-');
  out.append(before_);
  if (minusBeforeDigits) out.append(u'-');
  out.append(QString(zeros, u'0'));
  for (int i = n - 1; i >= scale; --i) {
    out.append(QChar(digits[i]));
    const int left = i - scale;  // whole digits still to come
    if (!zeroFill_ && left > 0 && left % 3 == 0) out.append(u',');
  }
  if (scale > 0) {
    out.append(u'.');
    for (int i = scale - 1; i >= 0; --i) out.append(QChar(digits[i]));
  }
  if (minusLast) out.append(u'-');
  out.append(after_);
  return out;
}

// Fills the pattern's digit slotCount from the right with `digits`; digits beyond
// the slotCount go before the first slot, and a negative's "-" stands just before
// the first digit shown (taking the place of a blank slot when there is one).
QString Picture::fillPattern(const QString& digits, bool negative) const {
  const auto isSlot = [](QChar c) { return c == u'#' || c == u'<'; };
  const qsizetype slotCount = std::count_if(pattern_.begin(), pattern_.end(), isSlot);
  QString padded = digits.rightJustified(slotCount, u'0');
  const qsizetype extra = padded.size() - slotCount;

  QString out;
  QList<bool> blankSlot;    // per character of `out`: a slot left blank
  qsizetype next = 0;       // next digit of `padded` to place
  bool leading = true;      // still inside the leading zeros
  qsizetype firstShown = -1;
  for (const QChar c : pattern_) {
    if (!isSlot(c)) {
      out += c;
      blankSlot.append(false);
      continue;
    }
    const qsizetype take = next == 0 ? extra + 1 : 1;
    for (qsizetype k = 0; k < take; ++k) {
      const QChar d = padded.at(next++);
      if (d != u'0') leading = false;
      const bool blank = leading && c == u'<';
      if (!blank && firstShown < 0) firstShown = out.size();
      out += blank ? QChar(u' ') : d;
      blankSlot.append(blank);
    }
  }
  if (negative && firstShown >= 0) {
    if (firstShown > 0 && blankSlot.at(firstShown - 1)) out[firstShown - 1] = u'-';
    else out.insert(firstShown, u'-');
  }
  return out;
}

QString Picture::formatPattern(const Decimal& v) const {
  const Decimal r = v.rounded(0);
  return fillPattern(r.abs().toQString(0), r.isNegative());
}

QString Picture::format(const Decimal& v) const {
  switch (kind_) {
    case Kind::Number: return formatNumber(v);
    case Kind::Pattern: return formatPattern(v);
    case Kind::Date: return format(Date(static_cast<std::int32_t>(v.toInteger())));
    case Kind::Time: return format(Time(static_cast<std::int32_t>(v.toInteger())));
    case Kind::Text: break;
  }
  return v.toQString().left(width_).leftJustified(width_, u' ');
}

QString Picture::format(const QString& v) const {
  switch (kind_) {
    case Kind::Text: return v.left(width_).leftJustified(width_, u' ');
    case Kind::Number:
    case Kind::Pattern: {
      if (auto n = Decimal::parse(v.trimmed())) return format(*n);
      if (v.trimmed().isEmpty()) return format(Decimal());
      if (auto n = deformatNumber(v)) return format(*n);
      return v.trimmed().rightJustified(width_, u' ');
    }
    case Kind::Date: {
      bool ok = false;
      const int day = v.trimmed().toInt(&ok);
      if (ok) return format(Date(day));
      if (auto d = Date::fromIso(v)) return format(*d);
      return v;
    }
    case Kind::Time: {
      bool ok = false;
      const int stored = v.trimmed().toInt(&ok);
      if (ok) return format(Time(stored));
      if (auto t = deformatTime(v)) return format(*t);
      return v;
    }
  }
  return v;
}

QString Picture::format(Date d) const {
  if (kind_ != Kind::Date) return format(Decimal(d.dayNumber()));
  if (d.isNull()) return QString();
  const QDate q = d.toQDate();
  return QStringLiteral("%1/%2/%3").arg(two(q.day()), two(q.month())).arg(q.year(), 4, 10, QChar(u'0'));
}

QString Picture::format(Time t) const {
  if (kind_ != Kind::Time) return format(Decimal(t.stored()));
  if (t.isNull()) return QString();
  const QTime q = t.toQTime();
  QString out = two(q.hour()) + u':' + two(q.minute());
  if (withSeconds_) out += u':' + two(q.second());
  return out;
}

}  // namespace bv
