#include "production/produccion/new_order.h"

#include "production/costing/dollar_rate.h"
#include "production/produccion/component_b.h"
#include "production/produccion/order_loading.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {

NewOrderBuilder::NewOrderBuilder(FileManagers& files)
    : produc01_(files[u"Produc01"_s]),
      linea_(files[u"Linea"_s]),
      terminado_(files[u"Terminado"_s]),
      formula1_(files[u"Formula1"_s]),
      formula2_(files[u"Formula2"_s]),
      basicos_(files[u"Basicos"_s]),
      aBasicos_(files[u"A_Basicos"_s]),
      relacion_(files[u"Relacion"_s]),
      dolar_(files[u"Dolar"_s]),
      paramet_(files[u"Paramet"_s]) {}

bool NewOrderBuilder::fetch(FileManager& table, const char* key, const char* field, const FieldValue& value) {
  Record& buffer = table.buffer();
  buffer.clear();
  buffer.setValue(field, value);
  if (table.tryFetch(table.keyDef(QString::fromLatin1(key))) == kLevelBenign) return true;
  buffer.clear();
  return false;
}

std::optional<OrderDraft> NewOrderBuilder::build(const OrderEntries& entries) {
  std::vector<FileManager*> opened;
  const auto closeAll = [&] {
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->close();
  };
  for (FileManager* table : {&linea_, &terminado_, &formula1_, &formula2_, &basicos_, &aBasicos_, &relacion_,
                             &dolar_, &paramet_}) {
    if (table->open() != kLevelBenign) {
      closeAll();
      return std::nullopt;
    }
    opened.push_back(table);
  }

  OrderDraft draft;
  draft.header = Record(produc01_.table());
  Record& h = draft.header;
  h.setDecimal("PRO1:CODIGO", entries.number);
  h.setDate("PRO1:FECHA", entries.date);
  h.setText("PRO1:ESTADO", u"P"_s);
  // The tax rate comes from the first (only) parameters record.
  paramet_.buffer().clear();
  if (paramet_.setPosition(nullptr, FileEdge::Start) != kLevelBenign ||
      paramet_.tryNext() != kLevelBenign)
    paramet_.buffer().clear();
  draft.vatRate = paramet_.buffer().decimal("PAR:ALICUOTA_DEL_IVA");

  h.setDecimal("PRO1:CLIENTE", entries.customer);
  // The line: its margin and discounts apply to the prices.
  h.setDecimal("PRO1:LINEA", entries.line);
  fetch(linea_, "LIN:KEYCOD", "LIN:CODIGO", entries.line);
  acceptProduct(draft, entries);
  acceptQuantity(draft, entries);
  computePrices(draft, entries);
  closeAll();
  return draft;
}

void NewOrderBuilder::acceptProduct(OrderDraft& draft, const OrderEntries& entries) {
  draft.header.setText("PRO1:CODIGO_TERMINADO", entries.product);
  fetch(terminado_, "TER:KEYCOD", "TER:CODIGO", entries.product);
  hasFormula_ = fetch(formula1_, "FOR1:KEYTER", "FOR1:CODIGO_TERMINADO", entries.product);
  if (!hasFormula_) draft.notices << u"Este producto no tiene cargada una formula de producción"_s;
}

void NewOrderBuilder::acceptQuantity(OrderDraft& draft, const OrderEntries& entries) {
  Record& h = draft.header;
  h.setDecimal("PRO1:CANTIDAD", entries.quantity);
  const Record& formula = formula1_.buffer();
  if (!formula.decimal("FOR1:REL2").isZero()) {
    std::vector<RelationRow> rows;
    if (relacion_.setPosition(&relacion_.keyDef(u"REL:KEYCAN"), FileEdge::Start) == kLevelBenign)
      while (relacion_.tryNext() == kLevelBenign)
        rows.push_back({int(relacion_.buffer().decimal("REL:CANTIDAD").toInteger()),
                        relacion_.buffer().text("REL:CODFINAL")});
    const std::optional<QString> finalCode = relationFinalCode(rows, h.decimal("PRO1:CANTIDAD"));
    if (!finalCode) {
      draft.notices << u"La Cantidad del producto, Solo puede ser 1 - 4 ó 20 "_s;
      h.setDecimal("PRO1:CANTIDAD", Decimal(0));
    }
    // The code is still built without a final letter, as the form does; with
    // the quantity at 0 no lines are loaded until a valid one is entered.
    const QString system = terminado_.buffer().text("TER:SISTEMA");
    const QString code = componentBCode(int(entries.line.toInteger()), system.isEmpty() ? QChar(u' ') : system[0],
                                        finalCode.value_or(QString()));
    fetch(aBasicos_, "A_BAS:KEYCOD", "A_BAS:CODIGO", code);
    draft.complement = complementText(code, aBasicos_.buffer().text("A_BAS:DESCRIPCION"));
    h.setText("PRO1:COMPONENTE_B", code);
  } else {
    draft.complement.clear();
    h.setText("PRO1:COMPONENTE_B", QString());
  }
  draft.basicCost = Decimal(0).rounded(2);
  if (!h.decimal("PRO1:CANTIDAD").isZero()) load(draft, entries.line == Decimal(kDirectLoadingLine));
}

void NewOrderBuilder::load(OrderDraft& draft, bool direct) {
  Record& h = draft.header;
  if (h.text("PRO1:CODIGO_TERMINADO").trimmed().isEmpty() || !hasFormula_) return;
  const Record& formula = formula1_.buffer();
  const FormulaTerms terms{formula.decimal("FOR1:CANTIDAD"), formula.decimal("FOR1:PESO_ESPECIFICO"),
                           formula.decimal("FOR1:REL1"), formula.decimal("FOR1:REL2")};
  const Decimal number = formula.decimal("FOR1:CODIGO_FORMULA");
  std::vector<FormulaLineTerms> lineTerms;
  draft.lines.clear();
  Record& line = formula2_.buffer();
  line.clear();
  line.setDecimal("FOR2:CODIGO_FORMULA", number);
  if (formula2_.setPosition(formula2_.keyDef(u"FOR2:KEYCOD")) == kLevelBenign) {
    while (formula2_.tryNext() == kLevelBenign && line.decimal("FOR2:CODIGO_FORMULA") == number) {
      const QString code = line.text("FOR2:CODIGO_BASICO");
      const bool exists = fetch(basicos_, "BAS:KEYCOD", "BAS:CODIGO", code);
      draft.lines.push_back(
          {code, exists ? basicos_.buffer().text("BAS:DESCRIPCION") : u"!!! CODIGO INEXISTENTE !!!"_s, {}, {}});
      lineTerms.push_back({line.decimal("FOR2:CANTIDAD"), basicos_.buffer().decimal("BAS:PESO_ESPECIFICO")});
    }
  }
  const Decimal quantity = h.decimal("PRO1:CANTIDAD");
  const OrderLoading loaded = direct ? loadDirect(terms, lineTerms, quantity) : loadStandard(terms, lineTerms, quantity);
  for (std::size_t i = 0; i < draft.lines.size(); ++i) {
    draft.lines[i].grams = loaded.lines[i].grams;
    draft.lines[i].litres = loaded.lines[i].litres;
  }
  draft.partA = loaded.partA;
  draft.total = loaded.total;
  draft.volumeTotal = loaded.volumeTotal;
  h.setDecimal("PRO1:PESO_ESPECIFICO", loaded.specificWeight);
}

void NewOrderBuilder::computePrices(OrderDraft& draft, const OrderEntries& entries) {
  Record& h = draft.header;
  draft.rate = dollarRateOn(dolar_, h.date("PRO1:FECHA"));
  const Record& line = linea_.buffer();
  const LineDiscounts discounts{line.decimal("LIN:BONI1"), line.decimal("LIN:BONI2"), line.decimal("LIN:BONI3")};
  std::vector<OrderCostLine> costLines;
  for (const DraftLine& l : draft.lines) {
    std::optional<BasicCostTerms> basic;
    if (fetch(basicos_, "BAS:KEYCOD", "BAS:CODIGO", l.code)) basic = basicCostTerms(basicos_.buffer());
    costLines.push_back({basic, l.litres});
  }
  std::optional<BasicCostTerms> componentB;
  const QString b = h.text("PRO1:COMPONENTE_B");
  if (!b.trimmed().isEmpty() && fetch(basicos_, "BAS:KEYCOD", "BAS:CODIGO", b))
    componentB = basicCostTerms(basicos_.buffer());
  draft.basicCost = orderBasicCost(costLines, componentB, draft.rate, discounts);
  draft.margin = entries.margin.value_or(line.decimal("LIN:MARGEN"));
  draft.prices = orderPrices(draft.basicCost, draft.margin, draft.vatRate);
  h.setDecimal("PRO1:COSTO_DE_PRODUCCION", draft.prices.total);
}

}  // namespace bv
