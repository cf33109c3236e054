#pragma once
// Sectors: the named settings groups of the framework. A sector is named by its
// family (the owner, e.g. a list window), its item (a name the user gave) and its
// type (what is stored), and its settings live in the section
//   family "$" item-with-every-"$"-written-"$$$" "$$" type.
// Families and types are the program's own names and hold no "$"; items may.
#include <QList>
#include <QString>

namespace bv {

struct Sector {
  QString family;
  QString item;
  QString type;
  bool operator==(const Sector&) const = default;
};

// The section name of a sector.
QString sectorName(const QString& family, const QString& item, const QString& type);
// The parts of a section name: the family runs to the first "$", the item to the
// first "$$" that is not part of a "$$$", the type is the rest.
Sector parseSectorName(const QString& name);

// The item as the sector register and section names write it ("$" as "$$$"),
// and back.
QString encodeSectorItem(const QString& item);
QString decodeSectorItem(const QString& item);

// One row of the sector register, "family,item,type", with the item encoded.
QString sectorRegisterRow(const Sector& sector);
// Reads a register row back. Family and type never hold a comma, so a comma
// inside an item is kept in the item instead of shifting the type.
Sector parseSectorRegisterRow(const QString& row);

// The same sector, parts compared without regard to letter case.
bool sameSector(const Sector& a, const Sector& b);
// Whether the sector matches a pattern in which an empty part matches anything.
// Parts compare without regard to letter case, as their section names do.
bool sectorMatches(const Sector& sector, const Sector& pattern);

}  // namespace bv
