#include "printing/listings/product_listing.h"

#include "printing/listings/listing_layout.h"
#include "printing/related_record.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

using namespace listing;

enum Control : int {
  kFrom = 10,
  kTo,
  kCode = 20,
  kDescription,
  kLine,
  kLineDescription,
  kChart,
  kChartDescription,
  kBrand,
  kBrandDescription,
};

constexpr int kWidth = 10000;  // a Letter page turned, less half an inch a side
constexpr int kRow = 170;

void buildLayout(Report& report) {
  report.pageSetup().setLandscape(true);
  LayoutBuilder b(report, u"Listado de Productos Terminados"_s, kWidth, 900, kRow, {u"Arial"_s, 8});
  b.text(u"Desde codigo:"_s, {0, 380, 1100, kRow});
  b.value(kFrom, kHeading, u"s10"_s, {1150, 380, 1200, kRow});
  b.text(u"Hasta codigo:"_s, {2500, 380, 1100, kRow});
  b.value(kTo, kHeading, u"s10"_s, {3650, 380, 1200, kRow});
  const int y = 650;
  b.box({0, y - 40, kWidth, kRow + 80});
  b.text(u"Codigo"_s, {60, y, 1050, kRow});
  b.text(u"Descripcion"_s, {1150, y, 2800, kRow});
  b.text(u"Linea"_s, {4000, y, 2000, kRow});
  b.text(u"Carta"_s, {6050, y, 1900, kRow});
  b.text(u"Marca"_s, {8000, y, 1950, kRow});

  b.value(kCode, kDetail, u"s13"_s, {60, 0, 1050, kRow});
  b.value(kDescription, kDetail, u"s50"_s, {1150, 0, 2800, kRow});
  b.value(kLine, kDetail, u"n3"_s, {4000, 0, 250, kRow}, TextAlignment::Right);
  b.value(kLineDescription, kDetail, u"s30"_s, {4300, 0, 1700, kRow});
  b.value(kChart, kDetail, u"n3"_s, {6050, 0, 250, kRow}, TextAlignment::Right);
  b.value(kChartDescription, kDetail, u"s50"_s, {6350, 0, 1600, kRow});
  b.value(kBrand, kDetail, u"n3"_s, {8000, 0, 250, kRow}, TextAlignment::Right);
  b.value(kBrandDescription, kDetail, u"s50"_s, {8300, 0, 1700, kRow});
}

}  // namespace

ProductListing::ProductListing(FileManagers& files, ContextId context, const ListingBounds& bounds,
                               const QString& sortField)
    : PrintedReport(files, context, u"Terminado"_s, {u"Marca"_s, u"Linea"_s, u"Carta"_s},
                    u"Listado de Productos Terminados"_s) {
  buildLayout(report());
  report().control(kFrom)->setText(bounds.fromProduct);
  report().control(kTo)->setText(bounds.toProduct);
  FileManager& products = files[u"Terminado"_s];
  ViewManager& v = view();
  v.addSortOrder(products.keyDef(u"TER:KEYCOD"));
  const QString from = bounds.fromProduct, to = bounds.toProduct;
  v.setRangePair(*products.table().field(u"TER:CODIGO"), [from] { return FieldValue(from); },
                 [to] { return FieldValue(to); });
  const std::pair<const char*, Decimal> globals[] = {
      {"Glo:LID", bounds.fromLine},  {"Glo:LIH", bounds.toLine},  {"Glo:CAD", bounds.fromChart},
      {"Glo:CAH", bounds.toChart},   {"Glo:MAD", bounds.fromBrand}, {"Glo:MAH", bounds.toBrand}};
  for (const auto& [name, value] : globals) {
    const Decimal bound = value;
    v.binding().bindNumber(QString::fromLatin1(name), [bound] { return bound; });
  }
  v.setFilter(listing::kProductFilter);
  v.appendOrder(listing::orderFor(sortField));
}

void ProductListing::step() {
  const Record& p = table(u"Terminado"_s).buffer();
  fetchOrClear(table(u"Marca"_s), "MAR:CODIGO", p.value("TER:MARCA"), u"MAR:KEYCOD"_s);
  fetchOrClear(table(u"Linea"_s), "LIN:CODIGO", p.value("TER:LINEA"), u"LIN:KEYCOD"_s);
  fetchOrClear(table(u"Carta"_s), "CAR:CODIGO", p.value("TER:CARTA"), u"CAR:KEYCOD"_s);
  Report& r = report();
  r.control(kCode)->setText(p.text("TER:CODIGO"));
  r.control(kDescription)->setText(p.text("TER:DESCRIPCION"));
  r.control(kLine)->setValue(p.decimal("TER:LINEA"));
  r.control(kLineDescription)->setText(table(u"Linea"_s).buffer().text("LIN:DESCRIPCION"));
  r.control(kChart)->setValue(p.decimal("TER:CARTA"));
  r.control(kChartDescription)->setText(table(u"Carta"_s).buffer().text("CAR:DESCRIPCION"));
  r.control(kBrand)->setValue(p.decimal("TER:MARCA"));
  r.control(kBrandDescription)->setText(table(u"Marca"_s).buffer().text("MAR:DESCRIPCION"));
  r.print(kDetail);
}

}  // namespace bv
