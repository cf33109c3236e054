// Values to display text (the picture language is described in picture.h).
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

QString Picture::formatNumber(const Decimal& v) const {
  const Decimal r = v.rounded(places_);
  if (blank_ && r.isZero()) return QString();
  const bool negative = r.isNegative();

  const QString plain = r.abs().toQString(places_);
  const qsizetype point = plain.indexOf(u'.');
  QString whole = point < 0 ? plain : plain.left(point);
  const QString fraction = point < 0 ? QString() : plain.mid(point);
  if (!zeroFill_) whole = grouped(whole);

  const QString minus = negative ? QStringLiteral("-") : QString();
  QString head = minusLeads_ ? minus + before_ : before_ + (minusTrails_ ? QString() : minus);
  const QString tail = (minusTrails_ ? minus : QString()) + after_;

  const qsizetype used = head.size() + whole.size() + fraction.size() + tail.size();
  if (zeroFill_ && used < width_) whole.prepend(QString(width_ - used, u'0'));
  return (head + whole + fraction + tail).rightJustified(width_, u' ');
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
