#include "storage/settings/sector.h"

#include <QStringList>

namespace bv {
namespace {
const QString kDollar = QStringLiteral("$");
const QString kTripleDollar = QStringLiteral("$$$");
const QString kSeparator = QStringLiteral("$$");

bool partMatches(const QString& value, const QString& pattern) {
  return pattern.isEmpty() || value.compare(pattern, Qt::CaseInsensitive) == 0;
}
}  // namespace

QString encodeSectorItem(const QString& item) {
  return QString(item).replace(kDollar, kTripleDollar);
}

QString decodeSectorItem(const QString& item) {
  return QString(item).replace(kTripleDollar, kDollar);
}

QString sectorName(const QString& family, const QString& item, const QString& type) {
  return family + kDollar + encodeSectorItem(item) + kSeparator + type;
}

Sector parseSectorName(const QString& name) {
  Sector sector;
  const qsizetype first = name.indexOf(QLatin1Char('$'));
  if (first < 0) {
    sector.family = name;
    return sector;
  }
  sector.family = name.left(first);
  for (qsizetype i = first + 1; i < name.size();) {
    if (name.mid(i, 3) == kTripleDollar) {
      sector.item += QLatin1Char('$');
      i += 3;
    } else if (name.mid(i, 2) == kSeparator) {
      sector.type = name.mid(i + 2);
      break;
    } else {
      sector.item += name.at(i++);
    }
  }
  return sector;
}

QString sectorRegisterRow(const Sector& sector) {
  return sector.family + QLatin1Char(',') + encodeSectorItem(sector.item) + QLatin1Char(',') +
         sector.type;
}

Sector parseSectorRegisterRow(const QString& row) {
  QStringList fields = row.split(QLatin1Char(','));
  Sector sector;
  sector.family = fields.takeFirst();
  if (fields.size() >= 2) sector.type = fields.takeLast();
  sector.item = decodeSectorItem(fields.join(QLatin1Char(',')));
  return sector;
}

bool sameSector(const Sector& a, const Sector& b) {
  return a.family.compare(b.family, Qt::CaseInsensitive) == 0 &&
         a.item.compare(b.item, Qt::CaseInsensitive) == 0 &&
         a.type.compare(b.type, Qt::CaseInsensitive) == 0;
}

bool sectorMatches(const Sector& sector, const Sector& pattern) {
  return partMatches(sector.family, pattern.family) && partMatches(sector.item, pattern.item) &&
         partMatches(sector.type, pattern.type);
}

}  // namespace bv
