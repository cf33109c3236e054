// The demo data set: written into an empty directory only, and coherent enough
// for every window and process to find what it needs.
#include <QRegularExpression>
#include <QSet>

#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

Decimal dec(const QString& text) { return Decimal::parse(text).value_or(Decimal(-999999)); }

class DemoDataTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }
  std::vector<QHash<QString, QString>> table(const char* label) {
    return csvTable(exportTable(QString::fromLatin1(label)));
  }
};

TEST_F(CliTest, DemoFillsAnEmptyDirectoryOnceAndCreatesAMissingOne) {
  const CliResult first = cli({QStringLiteral("demo")});
  EXPECT_EQ(first.status, 0);
  EXPECT_TRUE(first.out.isEmpty());
  EXPECT_TRUE(first.err.isEmpty());

  const QString before = exportTable(QStringLiteral("Basicos"));
  const CliResult second = cli({QStringLiteral("demo")});
  EXPECT_EQ(second.status, 1);
  ASSERT_EQ(second.errLines().size(), 1);
  EXPECT_TRUE(second.err.startsWith(QStringLiteral("Datos de Demostración: La carpeta ")));
  EXPECT_EQ(exportTable(QStringLiteral("Basicos")), before);

  const QString nested = QDir(scratch.path()).filePath(QStringLiteral("nueva/datos"));
  EXPECT_EQ(cli(nested, {QStringLiteral("demo")}).status, 0);
  EXPECT_EQ(csvRows(exportTable(nested, QStringLiteral("Linea"))).size(), 8);
}

TEST_F(CliTest, DemoRefusesADirectoryWithADataFileInAnyLetterCase) {
  QFile(QDir(data.path()).filePath(QStringLiteral("VIEJO.TPS"))).open(QIODevice::WriteOnly);
  EXPECT_EQ(cli({QStringLiteral("demo")}).status, 1);
}

TEST_F(DemoDataTest, LinesParametersRatesAndRelations) {
  const auto lines = table("Linea");
  EXPECT_EQ(lines.size(), 8u);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto& r) { return r["LIN:CODIGO"] == "33"; }));
  for (const auto& r : lines) EXPECT_GT(dec(r["LIN:MARGEN"]), Decimal(0));

  const auto param = table("Paramet");
  ASSERT_EQ(param.size(), 1u);
  EXPECT_EQ(param[0]["PAR:MODIFICAFORMULAS"], "S");
  EXPECT_EQ(param[0]["PAR:ALICUOTA_DEL_IVA"], "21.00");
  const auto version = table("Versiones");
  ASSERT_EQ(version.size(), 1u);
  EXPECT_EQ(version[0]["VER:VERSION"], "1");

  const auto rel = table("Relacion");
  ASSERT_EQ(rel.size(), 3u);
  EXPECT_EQ(rel[0]["REL:CANTIDAD"] + rel[0]["REL:CODFINAL"], "1A");
  EXPECT_EQ(rel[1]["REL:CANTIDAD"] + rel[1]["REL:CODFINAL"], "4B");
  EXPECT_EQ(rel[2]["REL:CANTIDAD"] + rel[2]["REL:CODFINAL"], "20C");

  const auto rates = table("Dolar");
  ASSERT_EQ(rates.size(), 30u);
  EXPECT_EQ(rates.front()["DOL:FECHA"], today().addDays(-29).toIso());
  EXPECT_EQ(rates.back()["DOL:FECHA"], today().toIso());
  for (const auto& r : rates) {
    EXPECT_LT(dec(r["DOL:COTIZACION"]), Decimal(1000));
    EXPECT_GT(dec(r["DOL:COTIZACION"]), Decimal(1));
  }
}

TEST_F(DemoDataTest, BasicProductsFitTheSpreadsheetAndShareLinePrefixes) {
  const auto basics = table("Basicos");
  EXPECT_LE(basics.size(), 22u);
  QSet<QString> codes, columns, currencies;
  for (const auto& r : basics) {
    codes << r["BAS:CODIGO"];
    currencies << r["BAS:MONEDA"];
    EXPECT_GT(dec(r["BAS:PESO_ESPECIFICO"]), Decimal(0)) << r["BAS:CODIGO"].toStdString();
    EXPECT_GT(dec(r["BAS:UNIDAD_POR_LATA"]), Decimal(0));
    const QString column = r["BAS:COLUMNA_EN_EXCEL"];
    if (column.isEmpty()) continue;
    EXPECT_FALSE(columns.contains(column)) << column.toStdString();
    columns << column;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([D-Z]|A[A-I])$")).match(column).hasMatch()) << column.toStdString();
  }
  EXPECT_EQ(currencies, (QSet<QString>{"D", "P"}));
  EXPECT_TRUE(columns.contains("D"));
  // Formulas of line 01 can be copied to a line that uses the 07 products.
  int shared = 0;
  for (const QString& c : codes)
    if (c.startsWith("01")) {
      EXPECT_TRUE(codes.contains("07" + c.mid(2))) << c.toStdString();
      ++shared;
    }
  EXPECT_GE(shared, 4);
}

TEST_F(DemoDataTest, FinishedProductsAndFormulas) {
  const auto products = table("Terminado");
  EXPECT_GE(products.size(), 55u);
  EXPECT_LE(products.size(), 65u);
  QSet<QString> lines, charts, brands, systems;
  QHash<QString, QString> systemOf, lineOf;
  for (const auto& r : products) {
    lines << r["TER:LINEA"];
    charts << r["TER:CARTA"];
    brands << r["TER:MARCA"];
    systems << r["TER:SISTEMA"];
    systemOf[r["TER:CODIGO"]] = r["TER:SISTEMA"];
    lineOf[r["TER:CODIGO"]] = r["TER:LINEA"];
    // A line's products begin with its code in two digits.
    EXPECT_TRUE(r["TER:CODIGO"].startsWith(QStringLiteral("%1").arg(r["TER:LINEA"].toInt(), 2, 10, QLatin1Char('0'))));
  }
  EXPECT_EQ(lines.size(), 8);
  EXPECT_GE(charts.size(), 3);
  EXPECT_GE(brands.size(), 3);
  EXPECT_EQ(systems, (QSet<QString>{"M", "E"}));

  QSet<QString> basics;
  for (const auto& r : table("Basicos")) basics << r["BAS:CODIGO"];
  const auto headers = table("Formula1");
  EXPECT_GE(headers.size(), products.size() * 8 / 10);
  EXPECT_LT(headers.size(), products.size());
  int twoComponent = 0;
  QHash<QString, Decimal> quantity, volume;
  for (const auto& r : table("Formula2")) {
    EXPECT_TRUE(basics.contains(r["FOR2:CODIGO_BASICO"]));
    quantity[r["FOR2:CODIGO_FORMULA"]] += dec(r["FOR2:CANTIDAD"]);
    volume[r["FOR2:CODIGO_FORMULA"]] += dec(r["FOR2:VOLUMEN"]);
  }
  for (const auto& r : headers) {
    const QString number = r["FOR1:CODIGO_FORMULA"];
    EXPECT_TRUE(systemOf.contains(r["FOR1:CODIGO_TERMINADO"]));
    EXPECT_EQ(dec(r["FOR1:CANTIDAD"]), quantity[number]) << number.toStdString();
    EXPECT_EQ(dec(r["FOR1:PESO_ESPECIFICO"]), (quantity[number] / volume[number]).rounded(4)) << number.toStdString();
    if (!dec(r["FOR1:REL2"]).isZero()) {
      ++twoComponent;
      EXPECT_TRUE(basics.contains(r["FOR1:COMPONENTE_B"]));
    }
  }
  EXPECT_GE(twoComponent, 6);
}

TEST_F(DemoDataTest, CustomersPurchasesAndOrders) {
  QSet<QString> types, places;
  for (const auto& r : table("TipoCli")) types << r["TIP:CODIGO"];
  for (const auto& r : table("Localidad")) places << r["LOC:CODIGO"];
  const auto customers = table("Clientes");
  EXPECT_EQ(customers.size(), 10u);
  for (const auto& r : customers) {
    EXPECT_TRUE(types.contains(r["CLI:TIPO_DE_CLIENTE"]));
    EXPECT_TRUE(places.contains(r["CLI:LOCALIDAD"]));
  }
  EXPECT_GE(table("Compra1").size(), 2u);
  EXPECT_GE(table("Compra2").size(), 4u);

  const auto orders = table("Produc01");
  EXPECT_GE(orders.size(), 3u);
  EXPECT_EQ(std::count_if(orders.begin(), orders.end(), [](auto& r) { return r["PRO1:MARCA"] == "I"; }), 2);
}

// The relative stock is what the purchases, saved as their form saves them,
// received: every product's stock is the sum of its purchase lines.
TEST_F(DemoDataTest, TheRelativeStockIsWhatThePurchasesReceived) {
  QHash<QString, Decimal> received;
  for (const auto& r : table("Compra2")) received[r["COM2:CODIGO_BASICO"]] += dec(r["COM2:CANTIDAD"]);
  ASSERT_FALSE(received.isEmpty());
  int stocked = 0;
  for (const auto& r : table("Basicos")) {
    EXPECT_EQ(dec(r["BAS:STOCK_RELATIVO"]), received.value(r["BAS:CODIGO"]).rounded(0)) << r["BAS:CODIGO"].toStdString();
    if (!dec(r["BAS:STOCK_RELATIVO"]).isZero()) ++stocked;
  }
  EXPECT_EQ(stocked, received.size());
}

// Each order holds what the production form builds: component B coded from
// the line, the product's system and the size's final letter, and lines scaled
// to the quantity (by weight on line 33, by part A's volume elsewhere).
TEST_F(DemoDataTest, OrdersAreBuiltAsTheProductionFormBuildsThem) {
  QHash<QString, QString> systemOf;
  for (const auto& r : table("Terminado")) systemOf[r["TER:CODIGO"]] = r["TER:SISTEMA"];
  QHash<QString, QString> letterOf;
  for (const auto& r : table("Relacion")) letterOf[r["REL:CANTIDAD"]] = r["REL:CODFINAL"];
  QHash<QString, std::pair<Decimal, Decimal>> ratio;
  for (const auto& r : table("Formula1"))
    ratio[r["FOR1:CODIGO_TERMINADO"]] = {dec(r["FOR1:REL1"]), dec(r["FOR1:REL2"])};
  QSet<QString> basics;
  for (const auto& r : table("Basicos")) basics << r["BAS:CODIGO"];
  QHash<QString, Decimal> grams, litres;
  for (const auto& r : table("Produc02")) {
    grams[r["PRO2:CODIGO"]] += dec(r["PRO2:CANTIDAD"]);
    litres[r["PRO2:CODIGO"]] += dec(r["PRO2:VOLUMEN"]);
  }
  int withB = 0;
  for (const auto& r : table("Produc01")) {
    const QString code = r["PRO1:CODIGO"];
    const QString product = r["PRO1:CODIGO_TERMINADO"];
    const Decimal quantity = dec(r["PRO1:CANTIDAD"]);
    const auto [rel1, rel2] = ratio[product];
    EXPECT_GT(dec(r["PRO1:COSTO_DE_PRODUCCION"]), Decimal(0));
    if (!rel2.isZero()) {
      ++withB;
      const QString expected = QStringLiteral("%1").arg(r["PRO1:LINEA"].toInt(), 2, 10, QLatin1Char('0')) +
                               (systemOf[product] == "M" ? "-REAC-" : "-1002-") +
                               letterOf[QString::number(quantity.toInteger())];
      EXPECT_EQ(r["PRO1:COMPONENTE_B"], expected);
      EXPECT_TRUE(basics.contains(expected));
    } else {
      EXPECT_TRUE(r["PRO1:COMPONENTE_B"].isEmpty());
    }
    if (r["PRO1:LINEA"] == "33") {
      EXPECT_EQ(grams[code], quantity * Decimal(1000));
    } else {
      const Decimal partA = rel2.isZero() ? quantity : quantity / (rel1 + rel2) * rel1;
      EXPECT_LE((litres[code] - partA).abs(), dec("0.05")) << code.toStdString();
    }
    EXPECT_LE((dec(r["PRO1:PESO_ESPECIFICO"]) - grams[code] / (litres[code] * Decimal(1000))).abs(), dec("0.0001"));
  }
  EXPECT_GE(withB, 2);
}

}  // namespace
}  // namespace bv::test
