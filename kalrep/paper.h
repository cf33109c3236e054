#pragma once
// The papers of the layout window's "Tipo de Hoja:" list and the measures the
// layout is computed in.
//
// Units: paper sizes in thousandths of an inch; column widths in list units (64
// per inch); usable widths in millimetres, counting 11 inches as 280 mm, which
// makes a millimetre kMillimetre thousandths of an inch.
#include <QString>
#include <QStringList>

namespace bv::paper {

inline constexpr double kMillimetre = 39.285714;  // thousandths of an inch per mm
inline constexpr int kListUnitsPerInch = 64;
inline constexpr int kMarginMillimetres = 64;  // margin allowance
inline constexpr int kCount = 38;              // entries of the list

struct Size {
  long width = 0;
  long height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Units of the size lookup.
enum class Unit { ThousandthsOfInch = 1, Millimetres = 2, ListUnits = 3 };

// The entries in list order (position 1 is "Letter 8 1/2 x 11 in").
const QStringList& entries();
// The entries joined by "|", as the drop list is filled.
QString entryList();

// The paper code of a list position; 0 for a position outside 1..38.
int codeOfPosition(int position);
// The list position of a paper code; 0 for a code without an entry.
int positionOfCode(int code);
// The size of a paper code in the unit asked; 0 x 0 for a code without an entry.
Size sizeOfCode(int code, Unit unit = Unit::ThousandthsOfInch);
// The size of the paper at a list position.
Size sizeAtPosition(int position, Unit unit = Unit::ThousandthsOfInch);

// The largest usable width, in millimetres, of the paper at a list position in
// portrait ("V": its width) or landscape ("H": its height) orientation.
int largestUsableWidth(int position, QChar orientation);
// A usable width in millimetres expressed in list units.
long listUnitsOfMillimetres(long millimetres);
// A width in list units expressed in whole millimetres (rounded).
long millimetresOfListUnits(long units);

}  // namespace bv::paper
