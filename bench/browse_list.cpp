// A framework list over Terminado (joined to Marca, Linea and Carta, sorted by
// description, the list of finished products as the framework declares it)
// opening and showing its first page on 100,000 records, against the same list
// on 1,000. Page-wise reading should make the two cost about the same: prints
// the ratio (aimed at 2 or less).
#include <QTemporaryDir>

#include "bench/first_page_bench.h"

namespace {

using namespace bv;

const ListDeclaration& finishedProducts() {
  static const ListDeclaration list{
      .procedure = QStringLiteral("BenchBrowseTerminado"),
      .caption = QStringLiteral("Tabla de Productos Terminados"),
      .view = {.table = QStringLiteral("Terminado"),
               .joins = {{QStringLiteral("Marca"), QStringLiteral("MAR:KEYCOD"), {{QStringLiteral("TER:MARCA"), QStringLiteral("MAR:CODIGO")}}},
                         {QStringLiteral("Linea"), QStringLiteral("LIN:KEYCOD"), {{QStringLiteral("TER:LINEA"), QStringLiteral("LIN:CODIGO")}}},
                         {QStringLiteral("Carta"), QStringLiteral("CAR:KEYCOD"), {{QStringLiteral("TER:CARTA"), QStringLiteral("CAR:CODIGO")}}}}},
      .orders = {{QStringLiteral("Por Descripción"), QStringLiteral("TER:KEYDES"),
                  ListLocator::contains(QStringLiteral("&Descripcion Contenga:"), QStringLiteral("TER:DESCRIPCION"), QStringLiteral("s50"))},
                 {QStringLiteral("Por Código"), QStringLiteral("TER:KEYCOD"),
                  ListLocator::positioning(QStringLiteral("&Codigo:"), QStringLiteral("TER:CODIGO"), QStringLiteral("s13"))}},
      .columns = {ListColumn::of(QStringLiteral("TER:CODIGO"), 52, QStringLiteral("Código"), QStringLiteral("s13")).fixed(),
                  ListColumn::of(QStringLiteral("TER:DESCRIPCION"), 200, QStringLiteral("Descripción"), QStringLiteral("s50")).fixed(),
                  ListColumn::of(QStringLiteral("TER:LINEA"), 20, QStringLiteral("Cod"), QStringLiteral("n3")).inGroup(QStringLiteral("Linea")),
                  ListColumn::of(QStringLiteral("LIN:DESCRIPCION"), 90, QStringLiteral("Descripción"), QStringLiteral("s30")).inGroup(QStringLiteral("Linea")),
                  ListColumn::of(QStringLiteral("TER:CARTA"), 20, QStringLiteral("Cod"), QStringLiteral("n3")).inGroup(QStringLiteral("Carta")),
                  ListColumn::of(QStringLiteral("CAR:DESCRIPCION"), 90, QStringLiteral("Descripción"), QStringLiteral("s50")).inGroup(QStringLiteral("Carta")),
                  ListColumn::of(QStringLiteral("TER:SISTEMA"), 4, QStringLiteral("Sistema"), QStringLiteral("s1"))},
  };
  return list;
}

struct Station {
  explicit Station(int records) {
    FileManager& ter = files["Terminado"];
    for (const char* t : {"Terminado", "Marca", "Linea", "Carta"}) files[QString::fromLatin1(t)].open();
    for (const char* t : {"Terminado", "Marca", "Linea", "Carta"}) {
      files[QString::fromLatin1(t)].use();
      files[QString::fromLatin1(t)].file().markForTransaction();
    }
    layer->beginTransaction(2);
    for (int i = 1; i <= 10; ++i)
      for (const char* t : {"Marca", "Linea", "Carta"}) {
        FileManager& m = files[QString::fromLatin1(t)];
        Record r(m.table());
        r.setDecimal(1, i);
        r.setText(2, QStringLiteral("%1 %2").arg(QString::fromLatin1(t)).arg(i));
        m.file().add(r);
      }
    Record r(ter.table());
    for (int i = 0; i < records; ++i) {
      r.clear();
      r.setText("TER:CODIGO", QStringLiteral("T%1").arg(i, 7, 10, QChar(u'0')));
      // Descriptions in an order of their own, so the key is not the insertion order.
      r.setText("TER:DESCRIPCION", QStringLiteral("PRODUCTO %1").arg((i * 7919) % records, 7, 10, QChar(u'0')));
      r.setDecimal("TER:LINEA", 1 + i % 10);
      r.setDecimal("TER:CARTA", 1 + i % 7);
      r.setDecimal("TER:MARCA", 1 + i % 5);
      r.setText("TER:SISTEMA", i % 2 ? "M" : "E");
      ter.file().add(r);
    }
    layer->commit();
    for (const char* t : {"Terminado", "Marca", "Linea", "Carta"}) files[QString::fromLatin1(t)].close();
    area.resize(900, 600);
    area.show();
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer};
  RelationManagers relations{files};
  QMdiArea area;
};

void showFirstPage(benchmark::State& state, Station& station) {
  bench::showFirstPage(state, finishedProducts(), station.files, station.relations, station.area);
}

// Made on first use and dropped before the application object goes.
std::unique_ptr<Station> small, large;

void BM_FirstPageOf1000(benchmark::State& state) {
  if (!small) small = std::make_unique<Station>(1'000);
  showFirstPage(state, *small);
}

void BM_FirstPageOf100000(benchmark::State& state) {
  if (!large) large = std::make_unique<Station>(100'000);
  showFirstPage(state, *large);
}

}  // namespace

BENCHMARK(BM_FirstPageOf1000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FirstPageOf100000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
  return bench::runRatio(argc, argv, "finished-product list", {}, [] {
    small.reset();
    large.reset();
  });
}
