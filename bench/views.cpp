// Views against SQLite used directly, on the same rows and indexes:
//  (a) the finished-product listing's view: TER:KEYDES order and the listing's
//      filter over 100,000 finished products, read to the end, against the
//      equivalent SELECT with WHERE and ORDER BY;
//  (b) the first page of that view on 1,000 and on 100,000 finished products.
// Prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

#include "storage/errors/standard_messages.h"
#include "storage/filelayer/table_schema.h"
#include "storage/managers/file_managers.h"
#include "storage/views/view_manager.h"

namespace {

using namespace bv;

constexpr int kRows = 100'000;
constexpr int kSmall = 1'000;
constexpr int kLineas = 20;

// Lines 3 to 5 of 20, every chart, brands 1 to 40 of 50: about an eighth of the rows.
const QHash<QString, int> kGlobals{{"Glo:LID", 3}, {"Glo:LIH", 5}, {"Glo:CAD", 1}, {"Glo:CAH", 50},
                                   {"Glo:MAD", 1}, {"Glo:MAH", 40}};
const QString kListingFilter = QStringLiteral(
    "TER:Linea=>Glo:LID and TER:Linea<=Glo:LIH and TER:Carta=>Glo:CAD and TER:Carta<=Glo:CAH and "
    "TER:Marca=>Glo:MAD and TER:Marca<=Glo:MAH");

ErrorManager& errors() {
  static ErrorManager* e = [] {
    auto* m = new ErrorManager;
    m->loadTable(standardMessageBlock());
    return m;
  }();
  return *e;
}

// A data directory with `count` finished products.
struct Station {
  explicit Station(int count) : layer(FileLayer::createSqlite({dir.path(), dir.path()})), managers(*layer, errors()) {
    FileManager& ter = managers["Terminado"];
    ter.open();
    ter.use();
    ter.file().markForTransaction();
    layer->beginTransaction(2);
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> linea(1, kLineas), small(1, 50);
    Record r(ter.table());
    for (int i = 0; i < count; ++i) {
      r.clear();
      r.setText(1, QStringLiteral("T%1").arg(i, 7, 10, QChar(u'0')));
      r.setText(2, QStringLiteral("PRODUCTO %1 COLOR %2").arg(random() % 100000).arg(i));
      r.setDecimal(3, Decimal(linea(random)));
      r.setDecimal(4, Decimal(small(random)));
      r.setDecimal(5, Decimal(small(random)));
      r.setDecimal(6, Decimal::fromMantissa(random() % 10000, 2));
      r.setText(7, i % 2 ? "M" : "E");
      ter.file().add(r);
    }
    layer->commit();
  }
  ~Station() { managers["Terminado"].close(); }
  QString path() const { return QDir(dir.path()).filePath("Terminad.tps"); }

  // The listing's view over the station's finished products.
  std::unique_ptr<ViewManager> listing() {
    auto v = std::make_unique<ViewManager>(managers["Terminado"]);
    v->addSortOrder(managers["Terminado"].keyDef(u"TER:KEYDES"));
    for (auto it = kGlobals.cbegin(); it != kGlobals.cend(); ++it) {
      const int value = it.value();
      v->binding().bindNumber(it.key(), [value] { return Decimal(value); });
    }
    v->setFilter(kListingFilter);
    v->open();
    return v;
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  FileManagers managers;
};

// Kept for all benchmarks and destroyed at the end of main, while the
// process-wide state they use still exists.
std::map<int, std::unique_ptr<Station>> stations;

Station& station(int count) {
  auto& s = stations[count];
  if (!s) s = std::make_unique<Station>(count);
  return *s;
}

// ---- (a) the whole listing -----------------------------------------------------------

void BM_ListingView(benchmark::State& state) {
  auto v = station(kRows).listing();
  qint64 rows = 0;
  for (auto _ : state) {
    v->reset();
    while (v->next() == 0) ++rows;
  }
  state.counters["rows"] = double(rows) / double(state.iterations());
}
BENCHMARK(BM_ListingView)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The same rows straight from SQLite, every column read as a caller would.
void BM_ListingSelect(benchmark::State& state) {
  Station& s = station(kRows);
  sqlite3* db = nullptr;
  sqlite3_open_v2(s.path().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  const sqlfile::TableSchema schema(s.managers["Terminado"].table());
  const QString sql = QStringLiteral(
                          "SELECT %1 FROM \"Terminado\" WHERE bv_placeholder = 0 AND \"TER:LINEA\" >= ?1 AND "
                          "\"TER:LINEA\" <= ?2 AND \"TER:CARTA\" >= ?3 AND \"TER:CARTA\" <= ?4 AND \"TER:MARCA\" >= ?5 "
                          "AND \"TER:MARCA\" <= ?6 ORDER BY \"TER:DESCRIPCION\", bv_pos")
                          .arg(schema.selectList());
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
  int bind = 1;
  for (const char* g : {"Glo:LID", "Glo:LIH", "Glo:CAD", "Glo:CAH", "Glo:MAD", "Glo:MAH"})
    sqlite3_bind_int64(st, bind++, kGlobals.value(g));
  qint64 rows = 0;
  for (auto _ : state) {
    while (sqlite3_step(st) == SQLITE_ROW) {
      ++rows;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        if (sqlite3_column_type(st, i) == SQLITE_TEXT)
          benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                                     sqlite3_column_bytes(st, i)));
        else
          benchmark::DoNotOptimize(sqlite3_column_int64(st, i));
      }
    }
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  state.counters["rows"] = double(rows) / double(state.iterations());
}
BENCHMARK(BM_ListingSelect)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// ---- (b) the first page ----------------------------------------------------------------

void BM_ListingFirstPage(benchmark::State& state) {
  auto v = station(static_cast<int>(state.range(0))).listing();
  for (auto _ : state) {
    v->reset();
    const ViewPage page = v->firstPage(View::kPageRows);
    if (page.rows.size() != std::size_t(View::kPageRows)) state.SkipWithError("short page");
  }
}
BENCHMARK(BM_ListingFirstPage)->Arg(kSmall)->Arg(kRows)->Unit(benchmark::kMicrosecond);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  double ratio(const std::string& a, const std::string& b) const {
    const auto x = times.find(a), y = times.find(b);
    return x == times.end() || y == times.end() || y->second <= 0 ? 0 : x->second / y->second;
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto show = [&](const char* what, const std::string& a, const std::string& b) {
    if (const double r = reporter.ratio(a, b); r > 0) std::printf("%s: %.2f\n", what, r);
  };
  show("(a) listing view / SELECT with WHERE and ORDER BY, 100,000 rows",
       "BM_ListingView/iterations:5/real_time", "BM_ListingSelect/iterations:5/real_time");
  show("(b) first page, 100,000 / 1,000 rows", "BM_ListingFirstPage/100000", "BM_ListingFirstPage/1000");
  stations.clear();
  benchmark::Shutdown();
  return 0;
}
