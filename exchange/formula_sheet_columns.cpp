#include "exchange/formula_sheet_columns.h"

#include "storage/managers/file_manager.h"

namespace bv {

BasicColumns::BasicColumns(const QStringList& codesInOrder) {
  for (const QString& code : codesInOrder) columns_.insert(code, int(columns_.size()) + 1);
}

bool BasicColumns::read(FileManager& basicos, BasicColumns& out) {
  QStringList codes;
  if (basicos.setPosition(&basicos.keyDef(u"BAS:KEYCOD"), FileEdge::Start) != kLevelBenign)
    return false;
  for (;;) {
    const int level = basicos.tryNext();
    if (level != kLevelBenign) {
      if (!basicos.endOfFile()) return false;
      break;
    }
    codes.append(basicos.buffer().text("BAS:CODIGO"));
  }
  out = BasicColumns(codes);
  return true;
}

SheetQuantities sheetQuantities(const std::vector<FormulaLine>& lines,
                                const BasicColumns& columns) {
  SheetQuantities out;
  for (const FormulaLine& line : lines) {
    const int column = columns.columnOf(line.basicCode);
    if (column >= 1 && column <= kSheetColumns) out[std::size_t(column - 1)] += line.quantity;
  }
  return out;
}

}  // namespace bv
