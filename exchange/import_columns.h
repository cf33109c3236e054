#pragma once
// The layout of a formula workbook to import: one row per formula from row 3
// down, the finished product's code in column A, its description in B, the
// specific weight in C, one basic product's quantity in each of the 32 columns
// D to AI, then the quantity to produce (AJ), the two mixing ratios (AK, AL),
// and for a product created by the import its line (AM), chart (AN) and
// system (AO).
//
// Which basic product a quantity column holds is said by the basic product
// itself (BAS:COLUMNA_EN_EXCEL): the map is read from Basicos in code order,
// a later code naming the same column wins, and a column outside D..AI ties
// nothing.
#include <QString>
#include <QStringView>
#include <array>

namespace bv {

class FileManager;

inline constexpr int kImportFirstRow = 3;
inline constexpr int kImportSlots = 32;          // D .. AI
inline constexpr int kImportFirstSlotColumn = 4;  // D
inline constexpr int kImportCells = 41;          // A .. AO

// Columns (from 1) of the other cells of a row.
namespace import_column {
inline constexpr int kCode = 1;         // A
inline constexpr int kDescription = 2;  // B
inline constexpr int kWeight = 3;       // C
inline constexpr int kQuantity = 36;    // AJ
inline constexpr int kRel1 = 37;        // AK
inline constexpr int kRel2 = 38;        // AL
inline constexpr int kLine = 39;        // AM
inline constexpr int kChart = 40;       // AN
inline constexpr int kSystem = 41;      // AO
}  // namespace import_column

// The slot of a column named by letters ("D" is 1, "AI" 32, any case, blanks
// around ignored); 0 for a column outside D..AI or text that names none.
int importSlotOf(QStringView letters);

class ImportColumns {
 public:
  // Ties slot (1..32) to a basic product's code.
  void tie(int slot, const QString& basicCode);
  // Reads Basicos in the order of BAS:KEYCOD (the table is open); false when a
  // read fails (its message stored on the manager).
  static bool read(FileManager& basicos, ImportColumns& out);

  // The basic product of a slot; blank when no basic product names its column.
  const QString& basicOf(int slot) const { return codes_[std::size_t(slot - 1)]; }

 private:
  std::array<QString, kImportSlots> codes_;
};

}  // namespace bv
