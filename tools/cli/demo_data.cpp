#include "tools/cli/demo_data.h"

#include <QDir>
#include <string_view>
#include <utility>

#include "production/compras/compras_save.h"
#include "production/produccion/new_order.h"
#include "storage/dictionary/dictionary.h"
#include "tools/cli/demo_catalogue.h"
#include "tools/cli/demo_figures.h"
#include "tools/cli/exit_status.h"
#include "tools/cli/record_writing.h"

namespace bv::cli {

bool holdsDataFiles(const QString& directory) {
  const QDir dir(directory);
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
    if (name.endsWith(QStringLiteral(".tps"), Qt::CaseInsensitive)) return true;
  return false;
}

namespace {

using Values = std::vector<std::pair<const char*, FieldValue>>;

FieldValue text(const char* value) { return QString::fromUtf8(value); }
FieldValue text(char value) { return QString(QLatin1Char(value)); }
FieldValue number(const char* value) { return *Decimal::parse(std::string_view(value)); }
FieldValue number(int value) { return Decimal(value); }

class DemoWriter {
 public:
  DemoWriter(DataSession& session, Date today) : session_(session), today_(today) {}

  int run() {
    int status = kExitDone;
    auto step = [&](std::vector<const char*> tables, int (DemoWriter::*write)()) {
      if (status == kExitDone) status = inTables(std::move(tables), write);
    };
    step({"Linea"}, &DemoWriter::lineas);
    step({"Carta", "Marca", "TipoCli", "Localidad"}, &DemoWriter::codeTables);
    step({"Relacion"}, &DemoWriter::relaciones);
    step({"Dolar"}, &DemoWriter::dolar);
    step({"Paramet", "Versiones"}, &DemoWriter::parameters);
    step({"Basicos"}, &DemoWriter::basicos);
    step({"Terminado"}, &DemoWriter::terminados);
    step({"Clientes"}, &DemoWriter::clientes);
    step({"Formula1", "Formula2"}, &DemoWriter::formulas);
    if (status == kExitDone) status = compras();
    if (status == kExitDone) status = producciones();
    if (status == kExitDone) status = createEmptyTables();
    return status;
  }

 private:
  FileManager& m(const char* label) { return session_.files()[QString::fromLatin1(label)]; }

  // Opens the tables, runs `write` in one transaction over them, closes them.
  int inTables(std::vector<const char*> labels, int (DemoWriter::*write)()) {
    std::vector<FileManager*> tables;
    for (const char* label : labels) tables.push_back(&m(label));
    int status = kExitDone;
    int opened = 0;
    for (FileManager* t : tables) {
      if (t->open() != kLevelBenign) {
        status = kExitFailure;
        break;
      }
      ++opened;
    }
    if (status == kExitDone) status = session_.inTransaction(tables, [&] { return (this->*write)(); });
    for (int i = 0; i < opened; ++i) tables[i]->close();
    return status;
  }

  // Adds one record made of `values`, every other field cleared.
  int add(const char* table, const Values& values) {
    FileManager& fm = m(table);
    fm.buffer().clear();
    for (const auto& [label, value] : values) {
      const int stored = storeField(fm, QString::fromLatin1(label), value);
      if (stored != kLevelBenign) return exitStatusFor(fm, stored);
    }
    return exitStatusFor(fm, insertAsGiven(fm));
  }

  int lineas() {
    for (const demo::Linea& l : demo::lineas())
      if (int s = add("Linea", {{"LIN:CODIGO", number(l.code)},
                                {"LIN:DESCRIPCION", text(l.description)},
                                {"LIN:BONI1", number(l.boni1)},
                                {"LIN:BONI2", number(l.boni2)},
                                {"LIN:BONI3", number(l.boni3)},
                                {"LIN:MARGEN", number(l.margin)}}))
        return s;
    return kExitDone;
  }

  int codeTables() {
    const std::pair<const char*, const std::vector<demo::Coded>*> tables[] = {
        {"Carta", &demo::cartas()},
        {"Marca", &demo::marcas()},
        {"TipoCli", &demo::tiposDeCliente()},
        {"Localidad", &demo::localidades()},
    };
    for (const auto& [label, rows] : tables) {
      const TableDef& t = m(label).table();
      const std::string code = (t.prefix + QStringLiteral(":CODIGO")).toStdString();
      const std::string description = (t.prefix + QStringLiteral(":DESCRIPCION")).toStdString();
      for (const demo::Coded& row : *rows)
        if (int s = add(label, {{code.c_str(), number(row.code)}, {description.c_str(), text(row.description)}}))
          return s;
    }
    return kExitDone;
  }

  int relaciones() {
    for (const demo::Relacion& r : demo::relaciones())
      if (int s = add("Relacion", {{"REL:CANTIDAD", number(r.litres)}, {"REL:CODFINAL", text(r.finalLetter)}}))
        return s;
    return kExitDone;
  }

  int dolar() {
    for (int daysAgo = demo::kDollarDays - 1; daysAgo >= 0; --daysAgo)
      if (int s = add("Dolar", {{"DOL:FECHA", today_.addDays(-daysAgo)}, {"DOL:COTIZACION", demo::dollarRate(daysAgo)}}))
        return s;
    return kExitDone;
  }

  int parameters() {
    if (int s = add("Paramet", {{"PAR:CANTIDAD_DE_BONIFICACIONES", number(demo::kDiscountCount)},
                                {"PAR:ALICUOTA_DEL_IVA", number(demo::kVatRate)},
                                {"PAR:MODIFICAFORMULAS", text("S")}}))
      return s;
    return add("Versiones", {{"VER:VERSION", number(demo::kVersion)}, {"VER:FECHA", today_}});
  }

  int basicos() {
    for (const demo::Basico& b : demo::basicos()) {
      Values values{{"BAS:CODIGO", text(b.code)},
                    {"BAS:DESCRIPCION", text(b.description)},
                    {"BAS:PESO_ESPECIFICO", number(b.weight)},
                    {"BAS:COSTO", number(b.cost)},
                    {"BAS:UNIDAD_POR_LATA", number(b.unitsPerCan)},
                    {"BAS:MONEDA", text(b.currency)},
                    {"BAS:BONIFICACION1", number(b.boni[0])},
                    {"BAS:BONIFICACION2", number(b.boni[1])},
                    {"BAS:BONIFICACION3", number(b.boni[2])},
                    {"BAS:BONIFICACION4", number(b.boni[3])},
                    // The purchases saved later receive the relative stock.
                    {"BAS:STOCK_RELATIVO", number(0)},
                    {"BAS:MARGENUTILIDAD", number(b.margin)},
                    {"BAS:COLUMNA_EN_EXCEL", text(b.column)},
                    {"BAS:FICHA_TECNICA", text(b.memo)}};
      if (int s = add("Basicos", values)) return s;
    }
    return kExitDone;
  }

  int terminados() {
    for (const demo::Terminado& t : demo::terminados())
      if (int s = add("Terminado", {{"TER:CODIGO", text(t.code)},
                                    {"TER:DESCRIPCION", text(t.description)},
                                    {"TER:LINEA", number(t.line)},
                                    {"TER:CARTA", number(t.chart)},
                                    {"TER:MARCA", number(t.brand)},
                                    {"TER:MARGENUTILIDAD", number(t.margin)},
                                    {"TER:SISTEMA", text(t.system)},
                                    {"TER:FICHA_TECNICA", text(t.memo)}}))
        return s;
    return kExitDone;
  }

  int clientes() {
    for (const demo::Cliente& c : demo::clientes())
      if (int s = add("Clientes", {{"CLI:CODIGO", number(c.code)},
                                   {"CLI:NOMBRE", text(c.name)},
                                   {"CLI:DIRECCION", text(c.address)},
                                   {"CLI:LOCALIDAD", number(c.locality)},
                                   {"CLI:CODIGO_POSTAL", text(c.postalCode)},
                                   {"CLI:TELEFONOS", text(c.phones)},
                                   {"CLI:CONTACTO", text(c.contact)},
                                   {"CLI:E_MAIL", text(c.email)},
                                   {"CLI:WEB", text(c.web)},
                                   {"CLI:TIPO_DE_CLIENTE", number(c.type)},
                                   {"CLI:FICHA_TECNICA", text(c.memo)}}))
        return s;
    return kExitDone;
  }

  // Each formula header takes the next formula number; its lines follow it.
  int formulas() {
    for (const demo::Formula& f : demo::formulas()) {
      const demo::FormulaFigures figures = demo::formulaFigures(f);
      if (int s = add("Formula1", {{"FOR1:OBSERVACIONES", text(f.remarks)},
                                   {"FOR1:CODIGO_TERMINADO", text(f.product)},
                                   {"FOR1:CANTIDAD", figures.quantity},
                                   {"FOR1:PESO_ESPECIFICO", figures.weight},
                                   {"FOR1:REL1", figures.rel1},
                                   {"FOR1:REL2", figures.rel2},
                                   {"FOR1:COMPONENTE_B", figures.componentB},
                                   {"FOR1:CANTIDADB", figures.quantityB},
                                   {"FOR1:MODIFICABLE", text(f.modifiable)},
                                   {"FOR1:FECHA", today_.addDays(-f.daysAgo)}}))
        return s;
      const Decimal formulaNumber = m("Formula1").buffer().decimal("FOR1:CODIGO_FORMULA");
      for (std::size_t i = 0; i < f.lines.size(); ++i)
        if (int s = add("Formula2", {{"FOR2:CODIGO_FORMULA", formulaNumber},
                                     {"FOR2:CODIGO_BASICO", text(f.lines[i].basic)},
                                     {"FOR2:CANTIDAD", number(f.lines[i].quantity)},
                                     {"FOR2:VOLUMEN", figures.volumes[i]}}))
          return s;
    }
    return kExitDone;
  }

  // Each voucher is saved as its form saves it, in a transaction of its own
  // whose line hooks receive the quantities into the relative stock.
  int compras() {
    RelationManagers& relations = session_.relations();
    std::vector<RelationManager*> opened;
    int status = kExitDone;
    for (const char* label : {"Basicos", "Compra1", "Compra2"}) {
      RelationManager& table = relations[QString::fromLatin1(label)];
      if (table.open() != kLevelBenign) {
        status = kExitFailure;
        break;
      }
      opened.push_back(&table);
    }
    for (const demo::Compra& c : demo::compras()) {
      if (status != kExitDone) break;
      FileManager& header = m("Compra1");
      header.buffer().clear();
      const Values values{{"COM1:TIPO_DE_COMPROBANTE", text(c.type)},
                          {"COM1:COMPROBANTE", number(c.number)},
                          {"COM1:FECHA", today_.addDays(-c.daysAgo)},
                          {"COM1:OBSERVACIONES", text(c.remarks)}};
      for (const auto& [label, value] : values)
        if (const int stored = storeField(header, QString::fromLatin1(label), value); stored != kLevelBenign)
          status = exitStatusFor(header, stored);
      if (status != kExitDone) break;
      std::vector<ChildLine> lines;
      for (const demo::FormulaLine& line : c.lines) {
        ChildLine child{Record(m("Compra2").table()), 0};
        child.record.setValue("COM2:TIPO_DE_COMPROBANTE", text(c.type));
        child.record.setValue("COM2:COMPROBANTE", number(c.number));
        child.record.setValue("COM2:CODIGO_BASICO", text(line.basic));
        child.record.setValue("COM2:CANTIDAD", number(line.quantity));
        lines.push_back(std::move(child));
      }
      status = exitStatusFor(session_.files(), compras::saveCompra(relations, 0, lines));
    }
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->close();
    return status;
  }

  // Each order is entered and saved as the production form does it, at the
  // dollar rate of its day; then the orders to label are marked as the label
  // list marks them.
  int producciones() {
    NewOrder procedure(session_.relations());
    QString notice;
    const auto keep = [&notice](const QString& text, const QString&) { notice = text; };
    for (const demo::Produccion& p : demo::producciones()) {
      const OrderEntries entries{.customer = Decimal(p.customer),
                                 .line = Decimal(p.line),
                                 .product = QString::fromUtf8(p.product),
                                 .quantity = *Decimal::parse(std::string_view(p.quantity)),
                                 .date = today_.addDays(-p.daysAgo),
                                 .margin = std::nullopt,
                                 .state = QString(QChar::fromLatin1(p.state))};
      const NewOrderResult order = procedure.run(entries, keep);
      if (order.level != kLevelBenign) return exitStatusFor(session_.files(), order.level);
      if (!notice.isEmpty()) qFatal("demo data: order of %s: %s", p.product, qPrintable(notice));
      if (int s = markForLabels(order.header.decimal("PRO1:CODIGO"), p.labels)) return s;
    }
    return kExitDone;
  }

  int markForLabels(const Decimal& order, int labels) {
    FileManager& orders = m("Produc01");
    if (orders.open() != kLevelBenign) return kExitFailure;
    orders.buffer().clear();
    orders.buffer().setDecimal("PRO1:CODIGO", order);
    int level = orders.fetch(orders.keyDef(QStringLiteral("PRO1:KEYCOD")));
    if (level == kLevelBenign) {
      orders.buffer().setDecimal("PRO1:CANTIDAD_ETIQUETAS", Decimal(labels > 0 ? labels : 1));
      orders.buffer().setText("PRO1:MARCA", labels > 0 ? QStringLiteral("I") : QString());
      level = orders.update();
    }
    orders.close();
    return exitStatusFor(orders, level);
  }

  // The tables the demo leaves empty get their files too, so the directory is
  // complete; the label work file is a station's own and is left alone.
  int createEmptyTables() {
    for (const auto& fm : session_.files().all()) {
      if (fm->table().isAlias() || fm->table().perStation) continue;
      if (fm->open() != kLevelBenign) return kExitFailure;
      const int used = fm->use();
      fm->close();
      if (used != kLevelBenign) return kExitFailure;
    }
    return kExitDone;
  }

  DataSession& session_;
  Date today_;
};

}  // namespace

int writeDemoData(DataSession& session, Date today) { return DemoWriter(session, today).run(); }

}  // namespace bv::cli
