#include "printing/listings/formula_listing.h"

#include "printing/listings/listing_layout.h"
#include "printing/related_record.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

using namespace listing;

enum Control : int { kFormula = 10, kProduct, kDescription, kQuantity, kWeight, kComponentB, kChangeable };

constexpr int kWidth = 7500;
constexpr int kRow = 180;

void buildLayout(Report& report) {
  LayoutBuilder b(report, u"Listado de Formulas de Produccion"_s, kWidth, 700, kRow, {u"Arial"_s, 8});
  const int y = 450;
  b.box({0, y - 40, kWidth, kRow + 80});
  b.text(u"Codigo"_s, {60, y, 600, kRow});
  b.text(u"Terminado"_s, {700, y, 1050, kRow});
  b.text(u"Descripcion"_s, {1800, y, 3000, kRow});
  b.text(u"Cantidad"_s, {4850, y, 700, kRow}, true, TextAlignment::Right);
  b.text(u"Peso Esp"_s, {5600, y, 700, kRow}, true, TextAlignment::Right);
  b.text(u"Componente B"_s, {6400, y, 1000, kRow});

  b.value(kFormula, kDetail, u"n05"_s, {60, 0, 600, kRow});
  b.value(kProduct, kDetail, u"s13"_s, {700, 0, 1050, kRow});
  b.value(kDescription, kDetail, u"s50"_s, {1800, 0, 3000, kRow});
  b.value(kQuantity, kDetail, u"n7.3"_s, {4850, 0, 700, kRow}, TextAlignment::Right);
  b.value(kWeight, kDetail, u"n7.4"_s, {5600, 0, 700, kRow}, TextAlignment::Right);
  b.value(kComponentB, kDetail, u"s13"_s, {6400, 0, 950, kRow});
  b.value(kChangeable, kDetail, u"s1"_s, {7380, 0, 120, kRow});
}

}  // namespace

FormulaListing::FormulaListing(FileManagers& files, ContextId context, const ListingBounds& bounds)
    : PrintedReport(files, context, u"Formula1"_s, {u"Terminado"_s}, u"Listado de Formulas de Produccion"_s) {
  buildLayout(report());
  FileManager& formulas = files[u"Formula1"_s];
  view().addSortOrder(formulas.keyDef(u"FOR1:KEYTER"));
  const QString from = bounds.fromProduct, to = bounds.toProduct;
  view().setRangePair(*formulas.table().field(u"FOR1:CODIGO_TERMINADO"), [from] { return FieldValue(from); },
                      [to] { return FieldValue(to); });
}

void FormulaListing::step() {
  const Record& f = table(u"Formula1"_s).buffer();
  fetchOrClear(table(u"Terminado"_s), "TER:CODIGO", f.value("FOR1:CODIGO_TERMINADO"), u"TER:KEYCOD"_s);
  Report& r = report();
  r.control(kFormula)->setValue(f.decimal("FOR1:CODIGO_FORMULA"));
  r.control(kProduct)->setText(f.text("FOR1:CODIGO_TERMINADO"));
  r.control(kDescription)->setText(table(u"Terminado"_s).buffer().text("TER:DESCRIPCION"));
  r.control(kQuantity)->setValue(f.decimal("FOR1:CANTIDAD"));
  r.control(kWeight)->setValue(f.decimal("FOR1:PESO_ESPECIFICO"));
  r.control(kComponentB)->setText(f.text("FOR1:COMPONENTE_B"));
  r.control(kChangeable)->setText(f.text("FOR1:MODIFICABLE"));
  r.print(kDetail);
}

}  // namespace bv
