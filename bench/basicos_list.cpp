// The basic-product list as the program declares it (joined to the line its
// code names, with the net cost computed for every row it reads) opening and
// showing its first page on 100,000 products, against the same list on 1,000.
// Prints the ratio (aimed at 2 or less).
#include <QTemporaryDir>

#include "bench/first_page_bench.h"
#include "masterdata/basicos/basicos_windows.h"
#include "shell/globals.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

struct Station {
  explicit Station(int records) {
    FileManager& products = files[u"Basicos"_s];
    FileManager& lines = files[u"Linea"_s];
    for (FileManager* m : {&products, &lines}) {
      m->open();
      m->use();
      m->file().markForTransaction();
    }
    layer->beginTransaction(2);
    for (int i = 1; i <= 99; ++i) {
      Record r(lines.table());
      r.setDecimal("LIN:CODIGO", i);
      r.setText("LIN:DESCRIPCION", u"LINEA %1"_s.arg(i));
      r.setDecimal("LIN:BONI1", i % 20);
      r.setDecimal("LIN:BONI2", i % 7);
      lines.file().add(r);
    }
    Record r(products.table());
    for (int i = 0; i < records; ++i) {
      r.clear();
      // Half the codes name a line by their number, half are no number.
      r.setText("BAS:CODIGO", i % 2 ? QString::number(1 + i % 99) + u"-%1"_s.arg(i) : QString::number(1 + i % 99 + 100 * i));
      r.setText("BAS:DESCRIPCION", u"BASICO %1"_s.arg((i * 7919) % records, 7, 10, QChar(u'0')));
      r.setDecimal("BAS:COSTO", Decimal(100 + i % 900));
      r.setText("BAS:MONEDA", u"D"_s);
      products.file().add(r);
    }
    layer->commit();
    for (FileManager* m : {&products, &lines}) m->close();
    area.resize(900, 600);
    area.show();
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer};
  RelationManagers relations{files};
  QMdiArea area;
};

std::unique_ptr<Station> small, large;

void showFirstPage(benchmark::State& state, Station& station) {
  bench::showFirstPage(state, basicos::browseBasicos(), station.files, station.relations, station.area);
}

void BM_BasicosFirstPageOf1000(benchmark::State& state) {
  if (!small) small = std::make_unique<Station>(1'000);
  showFirstPage(state, *small);
}

void BM_BasicosFirstPageOf100000(benchmark::State& state) {
  if (!large) large = std::make_unique<Station>(100'000);
  showFirstPage(state, *large);
}

}  // namespace

BENCHMARK(BM_BasicosFirstPageOf1000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BasicosFirstPageOf100000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
  return bench::runRatio(
      argc, argv, "basic-product list", [] { glo().ModificaFormulas = u"S"_s; },
      [] {
        small.reset();
        large.reset();
      });
}
