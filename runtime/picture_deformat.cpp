// Typed text back to values (the picture language is described in picture.h).
#include "runtime/picture.h"

#include <QRegularExpression>
#include <QStringList>

namespace bv {
namespace {

bool allDigits(const QString& s) {
  return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A whole part with grouping commas exactly where the picture writes them.
bool wellGrouped(const QString& whole) {
  static const QRegularExpression re(QStringLiteral("^[0-9]{1,3}(,[0-9]{3})+$"));
  return re.match(whole).hasMatch();
}

int fullYear(int twoDigits) {
  const int now = Clock::today().year();
  int year = now / 100 * 100 + twoDigits;
  if (year > now + 20) year -= 100;
  else if (year <= now - 80) year += 100;
  return year;
}

}  // namespace

// A number picture's own text: sign, literals, grouping and places as it writes
// them. Commas anywhere but between groups of three are refused, so that a
// decimal comma ("12,5") is never read as thousands.
std::optional<Decimal> Picture::readNumber(QString s) const {
  s = s.trimmed();
  const QString before = before_.trimmed();
  const QString after = after_.trimmed();
  bool negative = false;
  bool signed_ = false;
  for (bool more = true; more;) {
    more = false;
    if (!signed_ && (s.startsWith(u'-') || s.startsWith(u'+'))) {
      negative = s.startsWith(u'-');
      signed_ = more = true;
      s = s.mid(1).trimmed();
    } else if (!before.isEmpty() && s.startsWith(before, Qt::CaseInsensitive)) {
      s = s.mid(before.size()).trimmed();
      more = true;
    }
    if (!signed_ && s.endsWith(u'-')) {
      negative = signed_ = more = true;
      s.chop(1);
      s = s.trimmed();
    } else if (!after.isEmpty() && s.endsWith(after, Qt::CaseInsensitive)) {
      s.chop(after.size());
      s = s.trimmed();
      more = true;
    }
  }
  if (s.isEmpty()) return signed_ ? std::nullopt : std::optional<Decimal>(Decimal().rounded(places_));

  const qsizetype point = s.indexOf(u'.');
  QString whole = point < 0 ? s : s.left(point);
  const QString fraction = point < 0 ? QString() : s.mid(point + 1);
  if (whole.contains(u',')) {
    if (zeroFill_ || !wellGrouped(whole)) return std::nullopt;
    whole.remove(u',');
  }
  if (!(whole.isEmpty() || allDigits(whole)) || !(fraction.isEmpty() || allDigits(fraction)) ||
      (whole.isEmpty() && fraction.isEmpty()))
    return std::nullopt;
  auto value = Decimal::parse(point < 0 ? whole : whole + u'.' + fraction);
  if (!value) return std::nullopt;
  return (negative ? -*value : *value).rounded(places_);
}

// The digits typed into the slots: read by position when the text has the
// pattern's layout, otherwise every digit of the text.
QString Picture::patternDigits(const QString& typed) const {
  if (typed.size() == pattern_.size()) {
    QString digits;
    bool layout = true;
    for (qsizetype k = 0; k < typed.size() && layout; ++k) {
      const QChar p = pattern_.at(k), c = typed.at(k);
      if (p == u'#' || p == u'<') {
        if (c.isDigit()) digits += c;
        else layout = c == u' ';
      } else {
        layout = p == c;
      }
    }
    if (layout) return digits;
  }
  QString digits;
  for (const QChar c : typed)
    if (c >= u'0' && c <= u'9') digits += c;
  return digits;
}

std::optional<Decimal> Picture::deformatNumber(const QString& typed) const {
  switch (kind_) {
    case Kind::Number: return readNumber(typed);
    case Kind::Pattern: {
      const QString digits = patternDigits(typed);
      if (digits.isEmpty()) return Decimal();
      const bool negative = typed.count(u'-') > pattern_.count(u'-');
      const auto v = Decimal::parse(digits);
      if (!v) return std::nullopt;
      return negative ? -*v : *v;
    }
    case Kind::Date: {
      const auto d = deformatDate(typed);
      if (!d) return std::nullopt;
      return Decimal(d->dayNumber());
    }
    case Kind::Time: {
      const auto t = deformatTime(typed);
      if (!t) return std::nullopt;
      return Decimal(t->stored());
    }
    case Kind::Text: break;
  }
  if (typed.trimmed().isEmpty()) return Decimal();
  return Decimal::parse(typed.trimmed());
}

std::optional<Date> Picture::deformatDate(const QString& typed) const {
  const QString s = typed.trimmed();
  if (s.isEmpty()) return Date();
  QStringList parts;
  if (allDigits(s) && (s.size() == 8 || s.size() == 6)) {
    parts = {s.left(2), s.mid(2, 2), s.mid(4)};
  } else {
    static const QRegularExpression separator(QStringLiteral("[/.-]"));
    parts = s.split(separator);
  }
  if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), allDigits)) return std::nullopt;
  if (parts[0].size() > 2 || parts[1].size() > 2 || (parts[2].size() != 2 && parts[2].size() != 4))
    return std::nullopt;
  const int year = parts[2].size() == 2 ? fullYear(parts[2].toInt()) : parts[2].toInt();
  const Date d = Date::fromYmd(year, parts[1].toInt(), parts[0].toInt());
  if (d.isNull()) return std::nullopt;
  return d;
}

std::optional<Time> Picture::deformatTime(const QString& typed) const {
  const QString s = typed.trimmed();
  if (s.isEmpty()) return Time();
  const QStringList parts = s.split(u':');
  if (parts.size() < 2 || parts.size() > 3 || !std::all_of(parts.begin(), parts.end(), allDigits))
    return std::nullopt;
  if (parts[0].size() > 2 || parts[1].size() != 2 || (parts.size() == 3 && parts[2].size() != 2))
    return std::nullopt;
  const int h = parts[0].toInt(), m = parts[1].toInt(), sec = parts.size() == 3 ? parts[2].toInt() : 0;
  if (h > 23 || m > 59 || sec > 59) return std::nullopt;
  return Time::fromHms(h, m, sec);
}

QString Picture::deformatText(const QString& typed) const {
  switch (kind_) {
    case Kind::Text: return typed.left(width_);
    case Kind::Pattern: return patternDigits(typed);
    default: return typed;
  }
}

}  // namespace bv
