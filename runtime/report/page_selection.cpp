#include "runtime/report/page_selection.h"

#include <QStringList>
#include <algorithm>

namespace bv {

PageSelection PageSelection::all(int pageCount) { return range(1, pageCount); }

PageSelection PageSelection::range(int first, int last) {
  PageSelection s;
  s.add(std::max(first, 1), last);
  return s;
}

void PageSelection::add(int first, int last) {
  for (int p = first; p <= last; ++p) pages_.append(p);
  std::sort(pages_.begin(), pages_.end());
  pages_.erase(std::unique(pages_.begin(), pages_.end()), pages_.end());
}

std::optional<PageSelection> PageSelection::parse(const QString& text, int pageCount) {
  const auto number = [pageCount](const QString& part) -> std::optional<int> {
    bool ok = false;
    const int n = part.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > pageCount) return std::nullopt;
    return n;
  };
  PageSelection s;
  const QStringList parts = text.split(u',');
  for (const QString& part : parts) {
    const QStringList ends = part.split(u'-');
    if (ends.size() > 2) return std::nullopt;
    const auto first = number(ends.front());
    const auto last = number(ends.back());
    if (!first || !last || *first > *last) return std::nullopt;
    s.add(*first, *last);
  }
  return s;
}

QString PageSelection::toString() const {
  QStringList parts;
  for (qsizetype i = 0; i < pages_.size();) {
    qsizetype j = i;
    while (j + 1 < pages_.size() && pages_[j + 1] == pages_[j] + 1) ++j;
    parts << (i == j ? QString::number(pages_[i])
                     : QStringLiteral("%1-%2").arg(pages_[i]).arg(pages_[j]));
    i = j + 1;
  }
  return parts.join(u',');
}

}  // namespace bv
