#include "storage/settings/numbered_entries.h"

#include <algorithm>

namespace bv {
namespace {

QString rowName(const QString& name, qsizetype i) {
  return name + QLatin1Char('_') + QString::number(i);
}

qsizetype countOf(const IniDocument& doc, const QString& section, const QString& name) {
  bool ok = false;
  const qsizetype count = doc.value(section, name).value_or(QString()).toLongLong(&ok);
  return ok && count > 0 ? count : 0;
}

}  // namespace

QStringList readNumberedEntries(const IniDocument& doc, const QString& section,
                                const QString& name) {
  const qsizetype count = std::min(countOf(doc, section, name), doc.entryCount(section));
  QStringList rows;
  rows.reserve(count);
  for (qsizetype i = 1; i <= count; ++i)
    rows.append(doc.value(section, rowName(name, i)).value_or(QString()));
  return rows;
}

void writeNumberedEntries(IniDocument& doc, const QString& section, const QString& name,
                          const QStringList& rows) {
  const qsizetype previous = std::min(countOf(doc, section, name), doc.entryCount(section));
  doc.setValue(section, name, QString::number(rows.size()));
  for (qsizetype i = 0; i < rows.size(); ++i) doc.setValue(section, rowName(name, i + 1), rows.at(i));
  for (qsizetype i = rows.size() + 1; i <= previous; ++i) doc.removeEntry(section, rowName(name, i));
}

QString commaField(const QString& value, int n, bool toEnd) {
  if (n < 1) return {};
  qsizetype start = 0;
  for (int i = 1; i < n; ++i) {
    const qsizetype comma = value.indexOf(QLatin1Char(','), start);
    if (comma < 0) return {};
    start = comma + 1;
  }
  if (toEnd) return value.mid(start);
  const qsizetype end = value.indexOf(QLatin1Char(','), start);
  return end < 0 ? value.mid(start) : value.mid(start, end - start);
}

}  // namespace bv
