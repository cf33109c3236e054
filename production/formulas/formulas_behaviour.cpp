#include "production/formulas/formulas_behaviour.h"

#include "masterdata/modifica_formulas.h"
#include "masterdata/related_record.h"
#include "production/formulas/formula_weight.h"
#include "runtime/date_time.h"
#include "runtime/message_presenter.h"
#include "shell/browse/list_window.h"
#include "shell/form/form_window.h"
#include "shell/globals.h"
#include "shell/lines/line_list.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <vector>

namespace bv::formulas {

using namespace Qt::StringLiterals;

void costCurrentFormula(ListWindow& list) {
  if (!list.loadCurrentRow()) return;
  glo().Formula = list.fields().number(u"FOR1:CODIGO_FORMULA"_s);
  list.startProcedure(u"CostoFormula"_s);
  list.refill();
}

bool formulaChangesAllowed(const QString& modifiable) {
  return modifiable.trimmed().toUpper() == u"S" || catalogueChangesAllowed();
}

FormulaFormBehaviour::FormulaFormBehaviour() {
  values_.number(u"TOTAL"_s, 10, 4, u"n10.4"_s);
  values_.number(u"VOLTOT"_s, 14, 2, u"n-14.2"_s);
}

void FormulaFormBehaviour::primed(FormWindow& form) {
  // A formula made here may only be changed where the switch allows it.
  form.primary().buffer().setText("FOR1:MODIFICABLE", "N");
  form.primary().buffer().setDate("FOR1:FECHA", Clock::today());
}

void FormulaFormBehaviour::opened(FormWindow& form) {
  if (form.primary().buffer().date("FOR1:FECHA").isNull())
    form.primary().buffer().setDate("FOR1:FECHA", Clock::today());
  form.refresh();
}

void FormulaFormBehaviour::refreshing(FormWindow& form, bool finalPass) {
  sumLines(form);
  if (finalPass) return;
  const Record& header = form.primary().buffer();
  readByCode(form.relations().files()[u"A_Basicos"_s], u"A_BAS:KEYCOD"_s, u"A_BAS:CODIGO"_s,
             header.value(u"FOR1:COMPONENTE_B"_s));
  readByCode(form.relations().files()[u"Terminado"_s], u"TER:KEYCOD"_s, u"TER:CODIGO"_s,
             header.value(u"FOR1:CODIGO_TERMINADO"_s));
}

void FormulaFormBehaviour::sumLines(FormWindow& form) {
  Decimal total = Decimal(0).rounded(4);
  Decimal volume = Decimal(0).rounded(2);
  if (const LineList* lines = form.lineList()) {
    for (const ChildLine& l : lines->lines()) {
      total = (total + l.record.decimal("FOR2:CANTIDAD")).rounded(4);
      volume = (volume + l.record.decimal("FOR2:VOLUMEN")).rounded(2);
    }
  }
  values_.set(u"TOTAL"_s, total);
  values_.set(u"VOLTOT"_s, volume);
}

void FormulaFormBehaviour::computeWeight(FormWindow& form) {
  LineList* lines = form.lineList();
  if (!lines) return;
  // Each line's basic product is read for its specific weight; one gone from
  // file weighs nothing and its line gets no volume.
  FileManager& basics = form.relations().files()[u"Basicos"_s];
  std::vector<WeightLine> weights;
  weights.reserve(lines->lines().size());
  for (const ChildLine& l : lines->lines()) {
    readByCode(basics, u"BAS:KEYCOD"_s, u"BAS:CODIGO"_s, l.record.value(u"FOR2:CODIGO_BASICO"_s));
    weights.push_back({l.record.decimal("FOR2:CANTIDAD"), basics.buffer().decimal("BAS:PESO_ESPECIFICO")});
  }
  const FormulaWeight result = formulaWeight(weights, values_.decimal(u"TOTAL"_s));
  for (std::size_t i = 0; i < result.volumes.size(); ++i)
    lines->lines()[i].record.setDecimal("FOR2:VOLUMEN", result.volumes[i]);
  values_.set(u"VOLTOT"_s, result.totalVolume);
  form.primary().buffer().setDecimal("FOR1:PESO_ESPECIFICO", result.specificWeight);
  lines->refresh();
  form.refresh();
}

bool FormulaFormBehaviour::completing(FormWindow& form) {
  computeWeight(form);
  if (!formulaChangesAllowed(form.primary().buffer().text("FOR1:MODIFICABLE"))) {
    showMessage(u"Usted no tiene acceso a modificar esta formula"_s, u"Control de operaciones"_s);
    return false;
  }
  form.primary().buffer().setDate("FOR1:FECHA", Clock::today());
  return true;
}

void FormulaFormBehaviour::buttonPressed(FormWindow& form, const QString& name) {
  if (name == QLatin1StringView(kWeightButton)) computeWeight(form);
}

}  // namespace bv::formulas
