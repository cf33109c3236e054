// lista: a list window's rows without a screen, exactly as the window shows
// them on the same data.
#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/clientes/clientes_windows.h"
#include "masterdata/terminado/terminado_windows.h"
#include "production/compras/compras_windows.h"
#include "production/formulas/formulas_windows.h"
#include "shell/browse/list_window.h"
#include "shell/request_codes.h"
#include "storage/errors/error_manager.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

class ListVerbTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }

  // What the list window shows on the demo data, every row, shown columns only.
  QList<QStringList> windowRows(int tab, const ListDeclaration& declaration = basicos::browseBasicos()) {
    auto layer = FileLayer::createSqlite({data.path(), data.path()});
    FileManagers files(*layer);
    RelationManagers relations(files);
    const ContextId context = ExecutionContext::create();
    ContextGuard guard(context);
    setGlobalRequest(kNoRequest);
    std::unique_ptr<ListWindow> list = makeList(declaration, relations);
    EXPECT_NE(list, nullptr);
    QList<QStringList> rows;
    if (!list) return rows;
    list->setCurrentOrder(tab - 1);
    list->walkView([&](const ListRow& row) {
      QStringList texts;
      for (const QString& t : row.texts) texts << t.trimmed();
      rows << texts;
      return true;
    });
    list.reset();
    ExecutionContext::release(context);
    return rows;
  }
  static QList<QStringList> csvLists(const QString& csv) {
    cli::CsvReader reader(csv);
    QList<QStringList> rows;
    while (!reader.atEnd()) rows << reader.next().value_or(QStringList());
    return rows;
  }
};

TEST_F(ListVerbTest, ShowsTheBasicProductsAsTheWindowDoesInEachOrder) {
  for (int tab : {1, 2}) {
    const CliResult r = cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, QString::number(tab)});
    ASSERT_EQ(r.status, 0);
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), (QStringList{u"Código"_s, u"Descripción"_s, u"Lts. x Lta."_s, u"Costo"_s, u"Mda"_s,
                                             u"Línea"_s, u"Boni 1"_s, u"Boni 2"_s, u"Boni 3"_s, u"Costo Neto"_s,
                                             u"Margen"_s, u"Columna en Excel"_s}));
    EXPECT_EQ(rows.size(), csvRows(exportTable(u"Basicos"_s)).size());
    EXPECT_EQ(rows, windowRows(tab)) << "tab " << tab;
  }
}

TEST_F(ListVerbTest, TheLocatorAndAQueryOnTheNetCostNarrowOrPositionTheRows) {
  // The code locator positions: the output starts at the first code at or past it.
  CliResult r = cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, u"2"_s, u"--localizador"_s, u"12"_s});
  ASSERT_EQ(r.status, 0);
  QList<QStringList> rows = csvLists(r.out);
  ASSERT_GT(rows.size(), 1);
  EXPECT_GE(rows[1][0], u"12"_s);
  // The description locator keeps the rows that contain the text.
  r = cli({u"lista"_s, u"BrowseBasicos"_s, u"--localizador"_s, u"a"_s});
  ASSERT_EQ(r.status, 0);
  for (const QStringList& row : csvLists(r.out).mid(1)) EXPECT_TRUE(row[1].toUpper().contains(u'A')) << row[1].toStdString();
  // A query on the computed net cost.
  r = cli({u"lista"_s, u"BrowseBasicos"_s, u"--filtro"_s, u"CostoNeto > 100"_s});
  ASSERT_EQ(r.status, 0);
  rows = csvLists(r.out).mid(1);
  ASSERT_FALSE(rows.isEmpty());
  for (const QStringList& row : rows)
    EXPECT_GT(Decimal::parse(QString(row[9]).remove(u',')).value_or(Decimal()), Decimal(100));
}

TEST_F(ListVerbTest, ShowsTheFinishedProductsWithTheirLineAndChartAsTheWindowDoesInEachOrder) {
  // A product with neither chart nor brand stays, blank beside its chart code.
  const QString extra = file(u"extra.csv"_s, u"TER:CODIGO,TER:DESCRIPCION,TER:LINEA,TER:SISTEMA\r\n"
                                              u"ZZSUELTO,Producto Suelto,1,E\r\n"_s);
  ASSERT_EQ(cli({u"tabla-importa"_s, u"Terminado"_s, extra}).status, 0);
  const qsizetype products = csvLists(exportTable(u"Terminado"_s)).size() - 1;
  for (int tab = 1; tab <= 5; ++tab) {
    const CliResult r = cli({u"lista"_s, u"BrowseTerminado"_s, u"--pestana"_s, QString::number(tab)});
    ASSERT_EQ(r.status, 0);
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), (QStringList{u"Código"_s, u"Descripción"_s, u"Cod"_s, u"Descripción"_s, u"Cod"_s,
                                             u"Descripción"_s, u"Sistema"_s}));
    EXPECT_EQ(rows.size(), products) << "tab " << tab;
    EXPECT_EQ(rows, windowRows(tab, terminado::browseTerminado())) << "tab " << tab;
    EXPECT_TRUE(rows.contains(QStringList{u"ZZSUELTO"_s, u"Producto Suelto"_s, u"1"_s, u"Látex Interior"_s, u"0"_s,
                                          QString(), u"E"_s}));
  }
  // The line tab in line order, starting at the line typed into its locator.
  const CliResult r =
      cli({u"lista"_s, u"BrowseTerminado"_s, u"--pestana"_s, u"3"_s, u"--localizador"_s, u"12"_s});
  ASSERT_EQ(r.status, 0);
  const QList<QStringList> rows = csvLists(r.out).mid(1);
  ASSERT_FALSE(rows.isEmpty());
  EXPECT_EQ(rows.front().value(2), u"12"_s);
  for (qsizetype i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1][2].toInt(), rows[i][2].toInt());
}

TEST_F(ListVerbTest, TheDollarRatesAndTheRelationsAnswerByTheirProcedureNames) {
  CliResult r = cli({u"lista"_s, u"BrowseDolar"_s});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  QList<QStringList> rows = csvLists(r.out);
  ASSERT_EQ(rows.size(), 31);  // the header and thirty days
  EXPECT_EQ(rows[0], (QStringList{u"Fecha"_s, u"Cotizacion"_s}));
  EXPECT_EQ(rows[1][1], u"880.0000"_s);  // the oldest day first
  r = cli({u"lista"_s, u"BrowRel"_s});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(csvLists(r.out), (QList<QStringList>{{u"Litros"_s, u"Cod Final"_s},
                                                 {u"1"_s, u"A"_s},
                                                 {u"4"_s, u"B"_s},
                                                 {u"20"_s, u"C"_s}}));
}

TEST_F(ListVerbTest, ShowsTheCustomersWithTheirTypeAsTheWindowDoesInEachOrder) {
  // (A customer's technical sheet may hold line breaks: the rows are read as CSV.)
  const qsizetype customers = csvLists(exportTable(u"Clientes"_s)).size() - 1;
  ASSERT_GT(customers, 0);
  for (int tab = 1; tab <= 5; ++tab) {
    const CliResult r = cli({u"lista"_s, u"BrowseClientes"_s, u"--pestana"_s, QString::number(tab)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), (QStringList{u"Codigo"_s, u"Nombre"_s, u"Direccion"_s, u"Contacto"_s, u"Telefonos"_s,
                                             u"E Mail"_s, u"Cod. Pos."_s, u"Localidad"_s, u"Web"_s, u"Codigo"_s,
                                             u"Descripcion"_s}));
    EXPECT_EQ(rows.size(), customers);
    EXPECT_EQ(rows, windowRows(tab, clientes::browseClientes())) << "tab " << tab;
    // Every demo customer has a type on file: its description travels with it.
    for (const QStringList& row : rows) EXPECT_FALSE(row.value(10).isEmpty()) << row.join(u',').toStdString();
  }
  // The type locator positions on the first customer of that type.
  const CliResult r = cli({u"lista"_s, u"BrowseClientes"_s, u"--pestana"_s, u"3"_s, u"--localizador"_s, u"3"_s});
  ASSERT_EQ(r.status, 0);
  const QList<QStringList> rows = csvLists(r.out).mid(1);
  ASSERT_FALSE(rows.isEmpty());
  EXPECT_EQ(rows.front().value(9), u"3"_s);
}

TEST_F(ListVerbTest, ShowsTheCustomerTypesAndTheLocalities) {
  for (const auto& [list, table] : {std::pair{u"BrowseTipoCli"_s, u"TipoCli"_s}, {u"BrowseLocalidad"_s, u"Localidad"_s}}) {
    const CliResult r = cli({u"lista"_s, list, u"--pestana"_s, u"2"_s});
    ASSERT_EQ(r.status, 0) << list.toStdString();
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), (QStringList{u"Codigo"_s, u"Descripcion"_s}));
    // By code, as the table exports them by its code key.
    EXPECT_EQ(rows, csvLists(exportTable(table)).mid(1)) << list.toStdString();
  }
}

TEST_F(ListVerbTest, ShowsTheFormulasWithTheirProductAsTheWindowDoesInEachOrder) {
  for (int tab : {1, 2, 3}) {
    const CliResult r = cli({u"lista"_s, u"BrowseFormulas"_s, u"--pestana"_s, QString::number(tab)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst().mid(0, 4),
              (QStringList{u"M"_s, u"Código formula"_s, u"Código Terminado"_s, u"Descripción"_s}));
    EXPECT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows, windowRows(tab, formulas::browseFormulas())) << tab;
  }
}

TEST_F(ListVerbTest, ShowsThePurchaseVouchersAsTheWindowDoesInEachOrder) {
  for (int tab : {1, 2, 3}) {
    const CliResult r = cli({u"lista"_s, u"Compras"_s, u"--pestana"_s, QString::number(tab)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QList<QStringList> rows = csvLists(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), (QStringList{u"TC"_s, u"Comprobante"_s, u"Fecha"_s, u"Observaciones"_s}));
    EXPECT_EQ(rows.size(), 3);
    EXPECT_EQ(rows, windowRows(tab, compras::browseCompras())) << tab;
  }
}

TEST_F(ListVerbTest, AnUnknownListTabOrQueryIsWrongUsage) {
  EXPECT_EQ(cli({u"lista"_s, u"BrowseNada"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, u"3"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, u"x"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--filtro"_s, u"CostoNeto >"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s}).status, 2);
}

}  // namespace
}  // namespace bv::test
