#include "exchange/formula_sheet_rebuild.h"

#include <vector>

#include "exchange/formula_sheet_columns.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/empty_table.h"
#include "storage/relations/integrity_transaction.h"

namespace bv {
namespace {

// The tables the rebuild reads and writes, opened for its run.
class SheetTables {
 public:
  explicit SheetTables(FileManagers& files)
      : planilla(files[QStringLiteral("Planilla")]),
        formula1(files[QStringLiteral("Formula1")]),
        formula2(files[QStringLiteral("Formula2")]),
        terminado(files[QStringLiteral("Terminado")]),
        basicos(files[QStringLiteral("Basicos")]) {}
  ~SheetTables() {
    for (FileManager* m : opened_) m->close();
  }
  SheetTables(const SheetTables&) = delete;
  SheetTables& operator=(const SheetTables&) = delete;

  // Opens every table (a failure shows its message); answers its level.
  int open() {
    for (FileManager* m : {&planilla, &formula1, &formula2, &terminado, &basicos}) {
      const int level = m->open();
      if (level != kLevelBenign) return level;
      opened_.push_back(m);
    }
    return kLevelBenign;
  }

  FileManager& planilla;
  FileManager& formula1;
  FileManager& formula2;
  FileManager& terminado;
  FileManager& basicos;

 private:
  std::vector<FileManager*> opened_;
};

// The lines of the formula in the buffer of Formula1, read by FOR2:KEYCOD.
int readLines(SheetTables& t, std::vector<FormulaLine>& lines, IntegrityFailure& failure) {
  lines.clear();
  const Decimal formula = t.formula1.buffer().decimal("FOR1:CODIGO_FORMULA");
  Record& line = t.formula2.buffer();
  line.clear();
  line.setDecimal("FOR2:CODIGO_FORMULA", formula);
  if (const int level = t.formula2.setPosition(t.formula2.keyDef(u"FOR2:KEYCOD"));
      level != kLevelBenign)
    return failure.at(t.formula2, level);
  for (;;) {
    const int level = t.formula2.tryNext();
    if (level != kLevelBenign)
      return t.formula2.endOfFile() ? kLevelBenign : failure.at(t.formula2, level);
    if (line.decimal("FOR2:CODIGO_FORMULA") != formula) return kLevelBenign;
    lines.push_back({line.text("FOR2:CODIGO_BASICO"), line.decimal("FOR2:CANTIDAD")});
  }
}

// The finished product's description; blank when there is no such product.
QString descriptionOf(SheetTables& t, const QString& code) {
  Record& product = t.terminado.buffer();
  product.clear();
  product.setText("TER:CODIGO", code);
  if (t.terminado.tryFetch(t.terminado.keyDef(u"TER:KEYCOD")) != kLevelBenign) return {};
  return product.text("TER:DESCRIPCION");
}

int addRow(SheetTables& t, const SheetQuantities& quantities, IntegrityFailure& failure) {
  const Record& formula = t.formula1.buffer();
  const QString product = formula.text("FOR1:CODIGO_TERMINADO");
  const QString description = descriptionOf(t, product);
  Record& row = t.planilla.buffer();
  row.clear();
  row.setText("PLA:CODIGO", product);
  row.setText("PLA:DESCRIPCION", description.left(40));
  row.setDecimal("PLA:PESOESP", formula.decimal("FOR1:PESO_ESPECIFICO"));
  for (int i = 0; i < kSheetColumns; ++i) {
    // Lines of one basic product may add up past what the column holds:
    // refused with the field's limit, never cut.
    const int level =
        t.planilla.assign("PLA:BASICO", quantities[std::size_t(i)], i + 1, false);
    if (level != kLevelBenign) return failure.at(t.planilla, level);
  }
  if (const int level = t.planilla.tryInsert(); level != kLevelBenign)
    return failure.at(t.planilla, level);
  return kLevelBenign;
}

int fill(SheetTables& t, const BasicColumns& columns, IntegrityFailure& failure) {
  if (const int level = emptyTable(t.planilla, failure); level != kLevelBenign) return level;
  if (const int level = t.formula1.setPosition(&t.formula1.keyDef(u"FOR1:KEYTER"), FileEdge::Start);
      level != kLevelBenign)
    return failure.at(t.formula1, level);
  std::vector<FormulaLine> lines;
  for (;;) {
    const int level = t.formula1.tryNext();
    if (level != kLevelBenign)
      return t.formula1.endOfFile() ? kLevelBenign : failure.at(t.formula1, level);
    if (const int read = readLines(t, lines, failure); read != kLevelBenign) return read;
    if (const int added = addRow(t, sheetQuantities(lines, columns), failure);
        added != kLevelBenign)
      return added;
  }
}

}  // namespace

int rebuildFormulaSheet(FileManagers& files) {
  SheetTables tables(files);
  if (const int level = tables.open(); level != kLevelBenign) return level;
  IntegrityFailure failure;
  BasicColumns columns;
  if (!BasicColumns::read(tables.basicos, columns)) {
    failure.at(tables.basicos, kLevelFatal);
    return failure.raise();
  }
  int level = kLevelBenign;
  {
    IntegrityTransaction transaction(files.layer());
    level = transaction.mark(tables.planilla, failure);
    if (level == kLevelBenign) level = transaction.begin(tables.planilla, failure);
    if (level == kLevelBenign) level = fill(tables, columns, failure);
    if (level == kLevelBenign) level = transaction.commit(tables.planilla, failure);
  }  // rolled back unless committed
  return level == kLevelBenign ? level : failure.raise();
}

}  // namespace bv
