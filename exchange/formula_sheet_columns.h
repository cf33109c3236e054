#pragma once
// The columns of the formula sheet: every basic product has the column of its
// place in the code order of Basicos (the first code is column 1), and a
// formula's row holds in each column the quantity of that basic product.
#include <QHash>
#include <QString>
#include <array>
#include <vector>

#include "runtime/decimal.h"

namespace bv {

class FileManager;

inline constexpr int kSheetColumns = 25;  // slots of PLA:BASICO

struct FormulaLine {
  QString basicCode;
  Decimal quantity;
};

using SheetQuantities = std::array<Decimal, kSheetColumns>;

class BasicColumns {
 public:
  BasicColumns() = default;
  // The codes in the order of the code key.
  explicit BasicColumns(const QStringList& codesInOrder);
  // Reads Basicos in the order of BAS:KEYCOD (the table is open); false when a
  // read fails (its message stored on the manager).
  static bool read(FileManager& basicos, BasicColumns& out);

  // The column of a basic product (from 1), 0 for a code that is not in Basicos.
  int columnOf(const QString& code) const { return columns_.value(code, 0); }
  int count() const { return int(columns_.size()); }

 private:
  QHash<QString, int> columns_;
};

// The quantities of a formula's lines by column: lines of one basic product add
// up in its column. A line whose basic product is not in Basicos, or whose
// column is past the sheet's 25, has no column and is left out.
SheetQuantities sheetQuantities(const std::vector<FormulaLine>& lines,
                                const BasicColumns& columns);

}  // namespace bv
