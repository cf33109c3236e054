#include "production/costing/formula_cost_sheet.h"

#include "production/costing/cost_sheet_layout.h"
#include "production/costing/dollar_rate.h"
#include "production/costing/line_cost.h"
#include "shell/report_process/view_reader.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {

FormulaCostSheet::FormulaCostSheet(FileManagers& files, ContextId context, Decimal formula)
    : context_(context),
      formula_(std::move(formula)),
      formula1_(files[u"Formula1"_s]),
      formula2_(files[u"Formula2"_s]),
      basicos_(files[u"Basicos"_s]),
      aBasicos_(files[u"A_Basicos"_s]),
      terminado_(files[u"Terminado"_s]),
      dolar_(files[u"Dolar"_s]),
      view_(formula1_),
      reader_(std::make_unique<ContextViewReader>(view_, context, [this] { closeTables(); })),
      report_(u"Formula de Produccion"_s),
      process_(*reader_, &report_, [this] { step(); }) {
  buildCostSheetLayout(report_);
  view_.addSortOrder(formula1_.keyDef(u"FOR1:KEYCOD"));
  const Decimal number = formula_;
  view_.setRangeSingle(*formula1_.table().field(u"FOR1:CODIGO_FORMULA"),
                       [number] { return FieldValue(number); });
  // One view record per line of the formula (one with blank lines when it has
  // none), each with its basic product.
  const int lines = view_.view().join(0, formula2_, formula2_.keyDef(u"FOR2:KEYCOD"),
                                      {{u"FOR1:CODIGO_FORMULA"_s, u"FOR2:CODIGO_FORMULA"_s}},
                                      JoinKind::OneToMany);
  view_.view().join(lines, basicos_, basicos_.keyDef(u"BAS:KEYCOD"),
                    {{u"FOR2:CODIGO_BASICO"_s, u"BAS:CODIGO"_s}}, JoinKind::OneToOne);
}

FormulaCostSheet::~FormulaCostSheet() { finish(); }

bool FormulaCostSheet::start() {
  const ContextGuard guard(context_);
  for (FileManager* table : {&dolar_, &formula1_, &formula2_, &basicos_, &aBasicos_, &terminado_}) {
    if (table->open() != kLevelBenign) {
      closeTables();
      return false;
    }
    opened_.push_back(table);
  }
  if (view_.open() != kLevelBenign) {
    closeTables();
    return false;
  }
  totalQuantity_ = Decimal(0).rounded(4);
  totalCost_ = Decimal(0).rounded(2);
  report_.control(costsheet::kIssueDate)->setValue(Clock::today());
  report_.control(costsheet::kIssueTime)->setValue(Clock::now());
  rate_ = dollarRateOn(dolar_, Clock::today());
  report_.control(costsheet::kRate)->setValue(dolar_.buffer().decimal("DOL:COTIZACION"));
  report_.control(costsheet::kTotalQuantity)->setValue(totalQuantity_);
  report_.control(costsheet::kTotalCost)->setValue(totalCost_);
  return true;
}

void FormulaCostSheet::fetchRelated() {
  const Record& formula = formula1_.buffer();
  Record& component = aBasicos_.buffer();
  component.clear();
  component.setText("A_BAS:CODIGO", formula.text("FOR1:COMPONENTE_B"));
  if (aBasicos_.tryFetch(aBasicos_.keyDef(u"A_BAS:KEYCOD")) != kLevelBenign) component.clear();
  Record& product = terminado_.buffer();
  product.clear();
  product.setText("TER:CODIGO", formula.text("FOR1:CODIGO_TERMINADO"));
  if (terminado_.tryFetch(terminado_.keyDef(u"TER:KEYCOD")) != kLevelBenign) product.clear();
}

void FormulaCostSheet::fillHeading() {
  using namespace costsheet;
  const Record& formula = formula1_.buffer();
  report_.control(kFormula)->setValue(formula.decimal("FOR1:CODIGO_FORMULA"));
  report_.control(kProduct)->setText(formula.text("FOR1:CODIGO_TERMINADO"));
  report_.control(kProductDescription)->setText(terminado_.buffer().text("TER:DESCRIPCION"));
  report_.control(kRemarks)->setText(formula.text("FOR1:OBSERVACIONES"));
  report_.control(kQuantity)->setValue(formula.decimal("FOR1:CANTIDAD"));
  report_.control(kComponentB)->setText(formula.text("FOR1:COMPONENTE_B"));
  report_.control(kComponentBDescription)->setText(aBasicos_.buffer().text("A_BAS:DESCRIPCION"));
  report_.control(kSpecificWeight)->setValue(formula.decimal("FOR1:PESO_ESPECIFICO"));
}

void FormulaCostSheet::step() {
  using namespace costsheet;
  const ContextGuard guard(context_);
  fetchRelated();
  fillHeading();
  // A formula without lines is read once, with its lines blank: it prints its
  // heading and zero totals, and no empty detail.
  const ViewRow* row = view_.current();
  if (!row || row->positions.size() < 2 || row->positions[1] == 0) return;

  const Record& line = formula2_.buffer();
  const Decimal quantity = line.decimal("FOR2:CANTIDAD");
  const Decimal cost = lineCost(basicCostTerms(basicos_.buffer()), rate_, quantity);
  totalQuantity_ = (totalQuantity_ + quantity).rounded(4);
  totalCost_ = (totalCost_ + cost).rounded(2);

  report_.control(kLineCode)->setText(line.text("FOR2:CODIGO_BASICO"));
  report_.control(kLineDescription)->setText(basicos_.buffer().text("BAS:DESCRIPCION"));
  report_.control(kLineQuantity)->setValue(quantity);
  report_.control(kLineCost)->setValue(cost);
  report_.control(kTotalQuantity)->setValue(totalQuantity_);
  report_.control(kTotalCost)->setValue(totalCost_);
  report_.print(kDetail);
}

void FormulaCostSheet::closeTables() {
  const ContextGuard guard(context_);
  if (view_.isOpen()) view_.close();
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
}

void FormulaCostSheet::finish() { closeTables(); }

}  // namespace bv
