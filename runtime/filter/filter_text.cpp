#include "runtime/filter/filter_text.h"

#include <algorithm>
#include <string_view>

namespace bv::filter_text {

QStringView withoutTrailingBlanks(QStringView text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1] == u' ') --n;
  return text.first(n);
}

int compare(QStringView a, QStringView b) {
  return withoutTrailingBlanks(a).compare(withoutTrailingBlanks(b), Qt::CaseSensitive);
}

std::optional<Decimal> numericValue(QStringView text) {
  // A plain number has at most 36 digits, a sign, a point and blanks around it;
  // anything longer or with other characters is not one, so no allocation here.
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  constexpr qsizetype kLongest = 40;
  if (first == last || last - first > kLongest) return std::nullopt;
  char buffer[kLongest];
  qsizetype n = 0;
  for (qsizetype i = first; i < last; ++i) {
    const char16_t c = text[i].unicode();
    const bool plain = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
    if (!plain) return std::nullopt;
    buffer[n++] = static_cast<char>(c);
  }
  return Decimal::parse(std::string_view(buffer, static_cast<std::size_t>(n)));
}

QString upper(const QString& text) { return text.toUpper(); }

QString sub(const QString& text, long long start, long long length) {
  using Wide = __int128;  // so that huge arguments cannot overflow
  const long long size = text.size();
  if (length <= 0 || start > size) return QString();
  const long long from = std::max(start, 1LL);
  const long long to = static_cast<long long>(std::min<Wide>(Wide(start) + length - 1, size));
  if (to < from) return QString();
  return text.mid(static_cast<qsizetype>(from - 1), static_cast<qsizetype>(to - from + 1));
}

long long find(QStringView part, QStringView text, long long step, long long start) {
  if (part.isEmpty()) return 0;
  step = std::max(step, 1LL);
  start = std::max(start, 1LL);
  const long long last = static_cast<long long>(text.size()) - part.size() + 1;  // last position that fits
  if (start > last) return 0;
  if (step == 1) {
    const qsizetype at = text.indexOf(part, static_cast<qsizetype>(start - 1));
    return at < 0 ? 0 : at + 1;
  }
  for (long long pos = start; pos <= last; pos += step) {
    if (text.sliced(static_cast<qsizetype>(pos - 1), part.size()) == part) return pos;
  }
  return 0;
}

}  // namespace bv::filter_text
