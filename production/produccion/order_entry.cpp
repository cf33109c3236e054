#include "production/produccion/order_entry.h"

#include "production/costing/dollar_rate.h"
#include "production/produccion/component_b.h"
#include "production/produccion/order_loading.h"
#include "runtime/date_time.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {

QStringList OrderEntry::tables() {
  return {u"Linea"_s, u"Terminado"_s, u"Formula1"_s, u"Formula2"_s, u"Basicos"_s,
          u"A_Basicos"_s, u"Relacion"_s, u"Dolar"_s, u"Paramet"_s};
}

OrderEntry::OrderEntry(FileManagers& files, Record& header, std::vector<ChildLine>& lines, OrderFigures& figures,
                       Notice notice)
    : files_(files), header_(header), lines_(lines), figures_(figures), notice_(std::move(notice)) {}

bool OrderEntry::fetch(FileManager& table, const char* key, const char* field, const QString& value) {
  Record& buffer = table.buffer();
  buffer.clear();
  buffer.setValue(field, value);
  if (table.tryFetch(table.keyDef(QString::fromLatin1(key))) == kLevelBenign) return true;
  buffer.clear();
  return false;
}

const std::optional<OrderEntry::KnownBasic>& OrderEntry::basic(const QString& code) {
  auto it = basics_.find(code);
  if (it == basics_.end()) {
    FileManager& basicos = files_[u"Basicos"_s];
    std::optional<KnownBasic> known;
    if (fetch(basicos, "BAS:KEYCOD", "BAS:CODIGO", code))
      known = KnownBasic{basicCostTerms(basicos.buffer()), basicos.buffer().decimal("BAS:PESO_ESPECIFICO")};
    it = basics_.insert(code, known);
  }
  return *it;
}

void OrderEntry::readParameters() {
  FileManager& paramet = files_[u"Paramet"_s];
  paramet.buffer().clear();
  if (paramet.setPosition(nullptr, FileEdge::Start) != kLevelBenign || paramet.tryNext() != kLevelBenign)
    paramet.buffer().clear();
  figures_.vatRate = paramet.buffer().decimal("PAR:ALICUOTA_DEL_IVA");
}

void OrderEntry::completeNewHeader() {
  if (header_.date("PRO1:FECHA").isNull()) header_.setDate("PRO1:FECHA", Clock::today());
  if (header_.text("PRO1:ESTADO").trimmed().isEmpty()) header_.setText("PRO1:ESTADO", u"P"_s);
}

Decimal OrderEntry::margin() const { return files_[u"Linea"_s].buffer().decimal("LIN:MARGEN"); }

void OrderEntry::clearFromQuantity() {
  header_.setDecimal("PRO1:CANTIDAD", Decimal(0));
  header_.setText("PRO1:COMPONENTE_B", QString());
  header_.setDecimal("PRO1:PESO_ESPECIFICO", Decimal(0));
  header_.setDecimal("PRO1:COSTO_DE_PRODUCCION", Decimal(0));
  figures_.complement.clear();
  figures_.basicCost = Decimal(0).rounded(2);
  figures_.prices = {};
  lines_.clear();
  sumLines();
}

void OrderEntry::lineChanged() {
  header_.setText("PRO1:CODIGO_TERMINADO", QString());
  files_[u"Terminado"_s].buffer().clear();
  files_[u"Formula1"_s].buffer().clear();
  clearFromQuantity();
}

bool OrderEntry::readFormula() {
  return fetch(files_[u"Formula1"_s], "FOR1:KEYTER", "FOR1:CODIGO_TERMINADO", header_.text("PRO1:CODIGO_TERMINADO"));
}

bool OrderEntry::productAccepted() {
  const bool found = readFormula();
  if (!found) notice_(kNoFormula, kNoFormulaCaption);
  clearFromQuantity();
  return found;
}

bool OrderEntry::hasPartB() {
  FileManager& formula = files_[u"Formula1"_s];
  if (formula.buffer().text("FOR1:CODIGO_TERMINADO") != header_.text("PRO1:CODIGO_TERMINADO")) readFormula();
  return !formula.buffer().decimal("FOR1:REL2").isZero();
}

bool OrderEntry::quantityAccepted() {
  bool accepted = true;
  if (hasPartB()) {
    FileManager& relacion = files_[u"Relacion"_s];
    std::vector<RelationRow> rows;
    if (relacion.setPosition(&relacion.keyDef(u"REL:KEYCAN"), FileEdge::Start) == kLevelBenign)
      while (relacion.tryNext() == kLevelBenign)
        rows.push_back({int(relacion.buffer().decimal("REL:CANTIDAD").toInteger()),
                        relacion.buffer().text("REL:CODFINAL")});
    const std::optional<QString> finalCode = relationFinalCode(rows, header_.decimal("PRO1:CANTIDAD"));
    if (!finalCode) {
      notice_(kBadQuantity, kBadQuantityCaption);
      header_.setDecimal("PRO1:CANTIDAD", Decimal(0));
      accepted = false;
    }
    // The code is built even without a final letter; with the quantity at 0
    // no lines are loaded until a valid one is entered.
    FileManager& terminado = files_[u"Terminado"_s];
    fetch(terminado, "TER:KEYCOD", "TER:CODIGO", header_.text("PRO1:CODIGO_TERMINADO"));
    const QString system = terminado.buffer().text("TER:SISTEMA");
    const QString code = componentBCode(int(header_.decimal("PRO1:LINEA").toInteger()),
                                        system.isEmpty() ? QChar(u' ') : system[0], finalCode.value_or(QString()));
    FileManager& aBasicos = files_[u"A_Basicos"_s];
    fetch(aBasicos, "A_BAS:KEYCOD", "A_BAS:CODIGO", code);
    figures_.complement = complementText(code, aBasicos.buffer().text("A_BAS:DESCRIPCION"));
    header_.setText("PRO1:COMPONENTE_B", code);
  } else {
    figures_.complement.clear();
    header_.setText("PRO1:COMPONENTE_B", QString());
  }
  figures_.basicCost = Decimal(0).rounded(2);
  if (!header_.decimal("PRO1:CANTIDAD").isZero()) load(header_.decimal("PRO1:LINEA") == Decimal(kDirectLoadingLine));
  return accepted;
}

void OrderEntry::load(bool direct) {
  if (figures_.saving || header_.text("PRO1:CODIGO_TERMINADO").trimmed().isEmpty()) return;
  if (!readFormula()) {
    // The lines stay as they are; the weight and prices follow them.
    notice_(kNoFormula, kNoFormulaCaption);
  } else {
    const Record& formula = files_[u"Formula1"_s].buffer();
    const FormulaTerms terms{formula.decimal("FOR1:CANTIDAD"), formula.decimal("FOR1:PESO_ESPECIFICO"),
                             formula.decimal("FOR1:REL1"), formula.decimal("FOR1:REL2")};
    const Decimal number = formula.decimal("FOR1:CODIGO_FORMULA");
    FileManager& formula2 = files_[u"Formula2"_s];
    std::vector<QString> codes;
    std::vector<FormulaLineTerms> lineTerms;
    Record& line = formula2.buffer();
    line.clear();
    line.setDecimal("FOR2:CODIGO_FORMULA", number);
    if (formula2.setPosition(formula2.keyDef(u"FOR2:KEYCOD")) == kLevelBenign) {
      while (formula2.tryNext() == kLevelBenign && line.decimal("FOR2:CODIGO_FORMULA") == number) {
        codes.push_back(line.text("FOR2:CODIGO_BASICO"));
        // A missing basic product weighs nothing: its line gets no litres.
        const std::optional<KnownBasic>& known = basic(codes.back());
        lineTerms.push_back({line.decimal("FOR2:CANTIDAD"), known ? known->density : Decimal(0)});
      }
    }
    const Decimal quantity = header_.decimal("PRO1:CANTIDAD");
    const OrderLoading loaded =
        direct ? loadDirect(terms, lineTerms, quantity) : loadStandard(terms, lineTerms, quantity);
    FileManager& produc02 = files_[u"Produc02"_s];
    lines_.clear();
    for (std::size_t i = 0; i < codes.size(); ++i) {
      ChildLine child{Record(produc02.table()), 0};
      child.record.setDecimal("PRO2:CODIGO", header_.decimal("PRO1:CODIGO"));
      child.record.setText("PRO2:CODIGO_BASICO", codes[i]);
      child.record.setDecimal("PRO2:CANTIDAD", loaded.lines[i].grams);
      child.record.setDecimal("PRO2:VOLUMEN", loaded.lines[i].litres);
      lines_.push_back(std::move(child));
    }
    figures_.partA = loaded.partA;
  }
  sumLines();
  // With no litres VOLTOT is 0 and the weight divides by zero: Decimal answers 0.
  header_.setDecimal("PRO1:PESO_ESPECIFICO",
                     (figures_.total / (figures_.volumeTotal * Decimal(1000))).rounded(4));
  computePrices();
}

void OrderEntry::sumLines() {
  Decimal total = Decimal(0).rounded(2);
  Decimal volume = Decimal(0).rounded(2);
  for (const ChildLine& l : lines_) {
    total = (total + l.record.decimal("PRO2:CANTIDAD")).rounded(2);
    volume = (volume + l.record.decimal("PRO2:VOLUMEN")).rounded(2);
  }
  figures_.total = total;
  figures_.volumeTotal = volume;
}

void OrderEntry::computePrices() {
  figures_.rate = dollarRateOn(files_[u"Dolar"_s], header_.date("PRO1:FECHA"));
  const Record& line = files_[u"Linea"_s].buffer();
  const LineDiscounts discounts{line.decimal("LIN:BONI1"), line.decimal("LIN:BONI2"), line.decimal("LIN:BONI3")};
  std::vector<OrderCostLine> costLines;
  costLines.reserve(lines_.size());
  const auto costOf = [this](const QString& code) -> std::optional<BasicCostTerms> {
    const std::optional<KnownBasic>& known = basic(code);
    if (!known) return std::nullopt;
    return known->cost;
  };
  for (const ChildLine& l : lines_)
    costLines.push_back({costOf(l.record.text("PRO2:CODIGO_BASICO")), l.record.decimal("PRO2:VOLUMEN")});
  std::optional<BasicCostTerms> componentB;
  const QString b = header_.text("PRO1:COMPONENTE_B");
  if (!b.trimmed().isEmpty()) componentB = costOf(b);
  figures_.basicCost = orderBasicCost(costLines, componentB, figures_.rate, discounts);
  reprice();
}

void OrderEntry::reprice() {
  figures_.prices = orderPrices(figures_.basicCost, margin(), figures_.vatRate);
  header_.setDecimal("PRO1:COSTO_DE_PRODUCCION", figures_.prices.total);
}

}  // namespace bv
