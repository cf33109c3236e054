#include "exchange/import_row_writer.h"

#include <vector>

#include "exchange/formula_lines.h"
#include "production/formulas/formula_weight.h"
#include "runtime/message_presenter.h"
#include "storage/relations/integrity_transaction.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

struct NewLine {
  QString basic;
  Decimal quantity;
};

// The basic product's specific weight; 0 when it is not in Basicos.
Decimal densityOf(FileManager& basicos, const QString& code) {
  Record& basic = basicos.buffer();
  basic.clear();
  basic.setText("BAS:CODIGO", code);
  if (basicos.tryFetch(basicos.keyDef(u"BAS:KEYCOD")) != kLevelBenign) return Decimal();
  return basic.decimal("BAS:PESO_ESPECIFICO");
}

bool productExists(FileManager& terminado, const QString& code) {
  terminado.buffer().clear();
  terminado.buffer().setText("TER:CODIGO", code);
  return terminado.tryFetch(terminado.keyDef(u"TER:KEYCOD")) == kLevelBenign;
}

// A new finished product takes only the row's code, description, line, chart
// and system.
bool addProduct(FileManager& terminado, const ImportRow& row) {
  Record& product = terminado.buffer();
  product.clear();
  product.setText("TER:CODIGO", row.code);
  product.setText("TER:DESCRIPCION", row.description);
  product.setDecimal("TER:LINEA", row.line);
  product.setDecimal("TER:CARTA", row.chart);
  product.setText("TER:SISTEMA", row.system);
  return terminado.tryInsert() == kLevelBenign;
}

int deleteLines(FileManager& formula2, const Decimal& formula, IntegrityFailure& failure) {
  const int level =
      forEachFormulaLine(formula2, formula, [&](Record&) { return formula2.deleteRecord(false); });
  return level == kLevelBenign ? level : failure.at(formula2, level);
}

int addLines(FileManager& formula2, const Decimal& formula, const std::vector<NewLine>& lines,
             const FormulaWeight& weight, IntegrityFailure& failure) {
  Record& line = formula2.buffer();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    line.clear();
    line.setDecimal("FOR2:CODIGO_FORMULA", formula);
    line.setText("FOR2:CODIGO_BASICO", lines[i].basic);
    line.setDecimal("FOR2:CANTIDAD", lines[i].quantity);
    line.setDecimal("FOR2:VOLUMEN", weight.volumes[i]);
    if (const int level = formula2.tryInsert(); level != kLevelBenign) return failure.at(formula2, level);
  }
  return kLevelBenign;
}

void setHeader(Record& header, const ImportRow& row, const Decimal& specificWeight) {
  header.setDecimal("FOR1:CANTIDAD", row.quantity);
  header.setDecimal("FOR1:PESO_ESPECIFICO", specificWeight);
  header.setDecimal("FOR1:REL1", row.rel1);
  header.setDecimal("FOR1:REL2", row.rel2);
}

}  // namespace

RowWritten writeImportRow(FileLayer& layer, ImportTables& t, const ImportColumns& columns,
                          const ImportRow& row) {
  // The new lines and their volumes, worked out before anything is written.
  std::vector<NewLine> lines;
  std::vector<WeightLine> weighed;
  for (int slot = 1; slot <= kImportSlots; ++slot) {
    const Decimal& quantity = row.quantities[std::size_t(slot - 1)];
    const QString& basic = columns.basicOf(slot);
    if (quantity.isZero() || basic.isEmpty()) continue;
    lines.push_back({basic, quantity});
    weighed.push_back({quantity, densityOf(t.basicos, basic)});
  }
  const FormulaWeight weight = formulaWeight(weighed, totalQuantity(weighed));
  // Without any volume there is nothing to divide by: the sheet's own specific
  // weight stands.
  const Decimal specificWeight = weight.totalVolume.isZero() ? row.weight : weight.specificWeight;

  RowWritten out;
  IntegrityFailure failure;
  int level = kLevelBenign;
  {
    IntegrityTransaction transaction(layer);
    for (FileManager* m : {&t.terminado, &t.formula1, &t.formula2})
      if (level == kLevelBenign) level = transaction.mark(*m, failure);
    if (level == kLevelBenign) level = transaction.begin(t.formula1, failure);

    if (level == kLevelBenign && !productExists(t.terminado, row.code))
      out.productNotAdded = !addProduct(t.terminado, row);

    Record& header = t.formula1.buffer();
    if (level == kLevelBenign) {
      header.clear();
      header.setText("FOR1:CODIGO_TERMINADO", row.code);
      if (t.formula1.tryFetch(t.formula1.keyDef(u"FOR1:KEYTER")) == kLevelBenign) {
        if (header.text("FOR1:MODIFICABLE").isEmpty()) header.setText("FOR1:MODIFICABLE", u"S"_s);
        setHeader(header, row, specificWeight);
        if (const int put = t.formula1.tryUpdate(); put != kLevelBenign) level = failure.at(t.formula1, put);
      } else {
        header.clear();
        header.setText("FOR1:CODIGO_TERMINADO", row.code);
        header.setText("FOR1:MODIFICABLE", u"S"_s);
        setHeader(header, row, specificWeight);
        if (t.formula1.tryInsert() != kLevelBenign) out.result = RowWritten::Result::FormulaNotInserted;
      }
    }
    const Decimal formula = header.decimal("FOR1:CODIGO_FORMULA");
    if (level == kLevelBenign && out.result == RowWritten::Result::Written) {
      level = deleteLines(t.formula2, formula, failure);
      if (level == kLevelBenign) level = addLines(t.formula2, formula, lines, weight, failure);
    }
    if (level == kLevelBenign) level = transaction.commit(t.formula1, failure);
  }  // rolled back unless committed

  if (level != kLevelBenign) {
    failure.raise();
    return {RowWritten::Result::Failed, false};
  }
  const QString title = u"Importar Formulas"_s;
  if (out.productNotAdded) showMessage(u"No pudo dar de alta el terminado "_s + row.code, title);
  if (out.result == RowWritten::Result::FormulaNotInserted)
    showMessage(u"No pudo insertar formula "_s + row.code, title);
  return out;
}

}  // namespace bv
