// lista: a list window's rows without a screen, exactly as the window shows
// them on the same data.
#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/clientes/clientes_windows.h"
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
  QList<QStringList> windowRows(const ListDeclaration& declaration, int tab) {
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
    EXPECT_EQ(rows, windowRows(basicos::browseBasicos(), tab)) << "tab " << tab;
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
    EXPECT_EQ(rows, windowRows(clientes::browseClientes(), tab)) << "tab " << tab;
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

TEST_F(ListVerbTest, AnUnknownListTabOrQueryIsWrongUsage) {
  EXPECT_EQ(cli({u"lista"_s, u"BrowseNada"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, u"3"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--pestana"_s, u"x"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s, u"BrowseBasicos"_s, u"--filtro"_s, u"CostoNeto >"_s}).status, 2);
  EXPECT_EQ(cli({u"lista"_s}).status, 2);
}

}  // namespace
}  // namespace bv::test
