#include "shell/qbe/saved_queries.h"

#include "shell/qbe/query_rows.h"
#include "storage/settings/settings.h"

#include <algorithm>

namespace bv {

SavedQueries::SavedQueries(Settings& settings, QString procedure)
    : settings_(settings), procedure_(std::move(procedure)) {}

QStringList SavedQueries::names() const {
  QStringList out;
  for (const Sector& s : settings_.listSectors(procedure_, {}, kType))
    if (s.family.compare(procedure_, Qt::CaseInsensitive) == 0) out << s.item;
  std::sort(out.begin(), out.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return out;
}

QString SavedQueries::registered(const QString& name) const {
  for (const QString& n : names())
    if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
  return {};
}

bool SavedQueries::contains(const QString& name) const { return !registered(name).isEmpty(); }

bool SavedQueries::acceptsName(const QString& name) {
  return !name.trimmed().isEmpty() && name.size() <= kNameLength && !name.contains(u'=') &&
         !name.contains(u'\n') && !name.contains(u'\r');
}

QString SavedQueries::entry(const QString& name) const { return Settings::sectorName(procedure_, name, kType); }

bool SavedQueries::save(const QString& name, const QueryItems& items) {
  if (!acceptsName(name)) return false;
  QList<QueryRow> rows = queryRows(items);
  for (QueryRow& row : rows) row[1] = row[1].left(kValueLength);
  // A query saved again under another letter case keeps its first name.
  const QString existing = registered(name);
  const QString kept = existing.isEmpty() ? name : existing;
  if (!settings_.updateList(kSection, entry(kept), rows, 2)) return false;
  if (existing.isEmpty() && !settings_.addSector(procedure_, kept, kType)) return false;
  setLastUsed(kept);
  return true;
}

bool SavedQueries::load(const QString& name, QueryItems& items) const {
  const QString kept = registered(name);
  if (kept.isEmpty()) return false;
  applyQueryRows(items, settings_.fetchList(kSection, entry(kept), 2));
  return true;
}

bool SavedQueries::remove(const QString& name) {
  const QString kept = registered(name);
  if (kept.isEmpty()) return false;
  settings_.updateList(kSection, entry(kept), {}, 2);
  return settings_.removeSector(procedure_, kept, kType);
}

QString SavedQueries::lastUsed() const { return settings_.tryFetch(procedure_, kLastEntry); }

void SavedQueries::setLastUsed(const QString& name) { settings_.update(procedure_, kLastEntry, name); }

}  // namespace bv
