// bravent-cli produccion: a new order on the demo data written as three CSV
// blocks, the wrong usages and refused entries, and several stations saving
// orders at once, each with a number of its own and nothing lost.
#include <QCoreApplication>
#include <QProcess>

#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

class ProduccionVerb : public CliTest {
 protected:
  ProduccionVerb() { fillDemo(); }
  CliResult order(QStringList more = {}) {
    return cli(QStringList{u"produccion"_s, u"--cliente"_s, u"3"_s, u"--linea"_s, u"5"_s, u"--producto"_s,
                           u"05RAL7035"_s, u"--cantidad"_s, u"4"_s, u"--fecha"_s, u"2024-06-14"_s} +
               more);
  }
};

TEST_F(ProduccionVerb, WritesTheSavedOrderItsLinesAndItsCosts) {
  const CliResult r = order({u"--margen"_s, u"40"_s, u"--estado"_s, u"T"_s});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList blocks = r.out.split(u"\r\n\r\n"_s);
  ASSERT_EQ(blocks.size(), 3);
  const QStringList header = blocks[0].split(u"\r\n"_s);
  ASSERT_EQ(header.size(), 2);
  EXPECT_TRUE(header[0].startsWith(u"PRO1:CODIGO,PRO1:FECHA,PRO1:CLIENTE,PRO1:CODIGO_TERMINADO"_s));
  const QStringList row = header[1].split(u',');
  EXPECT_EQ(row.value(1), u"2024-06-14"_s);
  EXPECT_EQ(row.value(3), u"05RAL7035"_s);
  EXPECT_EQ(row.value(7), u"T"_s);
  const QStringList lines = blocks[1].split(u"\r\n"_s);
  EXPECT_EQ(lines.value(0), u"PRO2:CODIGO,PRO2:CODIGO_BASICO,PRO2:CANTIDAD,PRO2:VOLUMEN"_s);
  EXPECT_GT(lines.size(), 1);
  for (const QString& line : lines.mid(1)) EXPECT_TRUE(line.startsWith(row.value(0) + u','));
  const QStringList costs = blocks[2].split(u"\r\n"_s, Qt::SkipEmptyParts);
  ASSERT_EQ(costs.size(), 2);
  EXPECT_EQ(costs[0], u"COSTOBASICO,PRECIONETOVENTA,IVA"_s);
  // The order on file is the one written, its price the net price plus VAT.
  const QStringList figures = costs[1].split(u',');
  const Decimal total = *Decimal::parse(figures[1]) + *Decimal::parse(figures[2]);
  EXPECT_EQ(row.value(8), total.toQString(2));
  EXPECT_TRUE(exportTable(u"Produc01"_s).contains(header[1]));
}

TEST_F(ProduccionVerb, WrongUsageAndRefusedEntries) {
  EXPECT_EQ(cli({u"produccion"_s, u"--cliente"_s, u"3"_s}).status, 2);
  EXPECT_EQ(order({u"--estado"_s, u"X"_s}).status, 2);
  EXPECT_EQ(order({u"--margen"_s, u"diez"_s}).status, 2);
  EXPECT_EQ(cli({u"produccion"_s, u"--cliente"_s, u"3"_s, u"--linea"_s, u"5"_s, u"--producto"_s, u"NOEXISTE"_s,
                 u"--cantidad"_s, u"4"_s})
                .status,
            1);
  const CliResult noCustomer = cli({u"produccion"_s, u"--cliente"_s, u"999"_s, u"--linea"_s, u"5"_s,
                                    u"--producto"_s, u"05RAL7035"_s, u"--cantidad"_s, u"4"_s});
  EXPECT_EQ(noCustomer.status, 1);
  EXPECT_TRUE(noCustomer.err.contains(u"Clientes"_s));
  EXPECT_TRUE(noCustomer.out.isEmpty());
}

TEST_F(ProduccionVerb, StationsSavingAtOnceGetDistinctNumbersAndLoseNothing) {
  const QString program = QCoreApplication::applicationDirPath() + u"/bravent-cli"_s;
  if (!QFile::exists(program)) GTEST_SKIP() << "bravent-cli is not built";
  const int before = exportTable(u"Produc01"_s).count(u"\r\n"_s);
  constexpr int kStations = 6;
  std::vector<std::unique_ptr<QProcess>> stations;
  for (int i = 0; i < kStations; ++i) {
    auto p = std::make_unique<QProcess>();
    p->start(program, {u"-d"_s, data.path(), u"produccion"_s, u"--cliente"_s, u"3"_s, u"--linea"_s, u"5"_s,
                       u"--producto"_s, u"05RAL7035"_s, u"--cantidad"_s, u"4"_s});
    stations.push_back(std::move(p));
  }
  QStringList numbers;
  for (auto& p : stations) {
    ASSERT_TRUE(p->waitForFinished(120000));
    EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    const QStringList out = QString::fromUtf8(p->readAllStandardOutput()).split(u"\r\n"_s);
    numbers << out.value(1).section(u',', 0, 0);
  }
  numbers.removeDuplicates();
  EXPECT_EQ(numbers.size(), kStations);
  EXPECT_EQ(exportTable(u"Produc01"_s).count(u"\r\n"_s), before + kStations);
  const QString lines = exportTable(u"Produc02"_s);
  for (const QString& n : numbers) EXPECT_TRUE(lines.contains(u"\r\n"_s + n + u','));
}

}  // namespace
}  // namespace bv::test
