// The file manager against SQLite used directly, on the same rows and indexes:
//  (a) 100,000 Terminado inserts in one transaction (validation and its Linea
//      lookup included) against prepared inserts;
//  (b) a fetch by TER:KEYCOD against an indexed select of the same row;
//  (c) 20 records read in TER:KEYDES order after positioning on a value, on
//      1,000 and on 100,000 records.
// Prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "storage/errors/standard_messages.h"
#include "storage/filelayer/table_schema.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;

constexpr int kRows = 100'000;
constexpr int kLineas = 20;

struct Row {
  QString codigo, descripcion;
  int linea = 0, carta = 0, marca = 0;
  long long margen = 0;  // hundredths
  QString sistema;
};

const std::vector<Row>& rows() {
  static const std::vector<Row> all = [] {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> linea(1, kLineas), small(1, 50), margen(0, 9999);
    std::vector<Row> v;
    v.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
      v.push_back({QStringLiteral("T%1").arg(i, 7, 10, QChar(u'0')),
                   QStringLiteral("PRODUCTO %1 COLOR %2").arg(random() % 100000).arg(i), linea(random),
                   small(random), small(random), margen(random), i % 2 ? "M" : "E"});
    return v;
  }();
  return all;
}

// A data directory with its own layer and managers, Linea filled for the rule.
struct Station {
  Station() : layer(FileLayer::createSqlite({dir.path(), dir.path()})), managers(*layer, errors()) {
    FileManager& lin = managers["Linea"];
    lin.open();
    for (int i = 1; i <= kLineas; ++i) {
      lin.buffer().clear();
      lin.buffer().setText(2, QStringLiteral("LINEA %1").arg(i));
      lin.insert();
    }
    managers["Terminado"].open();
    managers["Terminado"].use();
  }
  ~Station() {
    managers["Terminado"].close();
    managers["Linea"].close();
  }
  static ErrorManager& errors() {
    static ErrorManager* e = [] {
      auto* m = new ErrorManager;
      m->loadTable(standardMessageBlock());
      return m;
    }();
    return *e;
  }
  FileManager& ter() { return managers["Terminado"]; }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  FileManagers managers;
};

bool insertThroughManager(Station& s, int count) {
  FileManager& ter = s.ter();
  ter.file().markForTransaction();
  if (s.layer->beginTransaction(2) != kFileOk) return false;
  bool ok = true;
  for (int i = 0; i < count; ++i) {
    const Row& r = rows()[i];
    Record& b = ter.buffer();
    b.clear();
    b.setText(1, r.codigo);
    b.setText(2, r.descripcion);
    b.setDecimal(3, Decimal(r.linea));
    b.setDecimal(4, Decimal(r.carta));
    b.setDecimal(5, Decimal(r.marca));
    b.setDecimal(6, Decimal::fromMantissa(r.margen, 2));
    b.setText(7, r.sistema);
    ok = ter.insert() == kLevelBenign && ok;
  }
  return s.layer->commit() == kFileOk && ok;
}

// SQLite used directly: one connection on a file with the same table and keys.
class RawTable {
 public:
  explicit RawTable(const QString& path) : schema_(*Dictionary::instance().table(u"Terminado")) {
    sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    exec("PRAGMA journal_mode=DELETE");
    exec(schema_.createTableSql("main"));
    for (const auto& key : schema_.keys()) exec(schema_.createIndexSql("main", key));
    QStringList columns;
    for (int i = 0; i < schema_.valueColumnCount(); ++i)
      columns << sqlfile::quoted(schema_.columns()[i].name);
    prepare(insert_, QStringLiteral("INSERT INTO \"Terminado\" (%1) VALUES (%2)")
                         .arg(columns.join(u','), QString("?,").repeated(columns.size() - 1) + u'?'));
    prepare(select_,
            QStringLiteral("SELECT bv_pos, bv_placeholder, %1 FROM \"Terminado\" WHERE \"TER:CODIGO\" = ?1 "
                           "AND bv_placeholder = 0")
                .arg(columns.join(u',')));
  }
  ~RawTable() {
    sqlite3_finalize(insert_);
    sqlite3_finalize(select_);
    sqlite3_close(db_);
  }

  bool insertAll(int count) {
    exec("BEGIN");
    bool ok = true;
    for (int i = 0; i < count; ++i) {
      const Row& r = rows()[i];
      const QByteArray codigo = r.codigo.toUtf8(), descripcion = r.descripcion.toUtf8(),
                       sistema = r.sistema.toUtf8();
      sqlite3_bind_text(insert_, 1, codigo.constData(), int(codigo.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(insert_, 2, descripcion.constData(), int(descripcion.size()), SQLITE_TRANSIENT);
      sqlite3_bind_int64(insert_, 3, r.linea);
      sqlite3_bind_int64(insert_, 4, r.carta);
      sqlite3_bind_int64(insert_, 5, r.marca);
      sqlite3_bind_int64(insert_, 6, r.margen);
      sqlite3_bind_text(insert_, 7, sistema.constData(), int(sistema.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(insert_, 8, "", 0, SQLITE_STATIC);
      ok = sqlite3_step(insert_) == SQLITE_DONE && ok;
      sqlite3_reset(insert_);
    }
    exec("COMMIT");
    return ok;
  }

  // Reads every column of the row, as a caller of SQLite would.
  bool fetch(const QString& codigo) {
    const QByteArray c = codigo.toUtf8();
    sqlite3_bind_text(select_, 1, c.constData(), int(c.size()), SQLITE_TRANSIENT);
    const bool found = sqlite3_step(select_) == SQLITE_ROW;
    if (found) {
      for (int i = 0; i < sqlite3_column_count(select_); ++i) {
        if (sqlite3_column_type(select_, i) == SQLITE_TEXT)
          benchmark::DoNotOptimize(
              QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(select_, i)),
                                sqlite3_column_bytes(select_, i)));
        else
          benchmark::DoNotOptimize(sqlite3_column_int64(select_, i));
      }
    }
    sqlite3_reset(select_);
    return found;
  }

 private:
  void exec(const QString& sql) { sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr); }
  void prepare(sqlite3_stmt*& statement, const QString& sql) {
    sqlite3_prepare_v3(db_, sql.toUtf8().constData(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
  }

  sqlfile::TableSchema schema_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* select_ = nullptr;
};

// ---- (a) inserts -----------------------------------------------------------------

void BM_InsertManager(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto station = std::make_unique<Station>();
    state.ResumeTiming();
    if (!insertThroughManager(*station, kRows)) state.SkipWithError("an insert failed");
    state.PauseTiming();
    station.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_InsertManager)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_InsertRaw(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto dir = std::make_unique<QTemporaryDir>();
    auto raw = std::make_unique<RawTable>(QDir(dir->path()).filePath("raw.db"));
    state.ResumeTiming();
    if (!raw->insertAll(kRows)) state.SkipWithError("an insert failed");
    state.PauseTiming();
    raw.reset();
    dir.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_InsertRaw)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// ---- (b) fetch by key ------------------------------------------------------------

Station& filledStation(int count) {
  static std::map<int, std::unique_ptr<Station>> stations;
  auto& s = stations[count];
  if (!s) {
    s = std::make_unique<Station>();
    insertThroughManager(*s, count);
  }
  return *s;
}

void BM_FetchManager(benchmark::State& state) {
  Station& s = filledStation(kRows);
  FileManager& ter = s.ter();
  const KeyDef& byCode = ter.keyDef(u"TER:KEYCOD");
  std::mt19937 random(7);
  for (auto _ : state) {
    ter.buffer().setText(1, rows()[random() % kRows].codigo);
    if (ter.fetch(byCode) != kLevelBenign) state.SkipWithError("not found");
  }
}
BENCHMARK(BM_FetchManager);

void BM_FetchRaw(benchmark::State& state) {
  static QTemporaryDir dir;
  static RawTable raw(QDir(dir.path()).filePath("raw.db"));
  static const bool filled = raw.insertAll(kRows);
  benchmark::DoNotOptimize(filled);
  std::mt19937 random(7);
  for (auto _ : state)
    if (!raw.fetch(rows()[random() % kRows].codigo)) state.SkipWithError("not found");
}
BENCHMARK(BM_FetchRaw);

// ---- (c) 20 records in key order -------------------------------------------------

void BM_ReadTwenty(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  Station& s = filledStation(count);
  FileManager& ter = s.ter();
  const KeyDef& byDescription = ter.keyDef(u"TER:KEYDES");
  std::mt19937 random(11);
  for (auto _ : state) {
    ter.buffer().setText(2, rows()[random() % count].descripcion);
    ter.setPosition(byDescription);
    for (int i = 0; i < 20; ++i)
      if (ter.next() != kLevelBenign) break;
  }
}
BENCHMARK(BM_ReadTwenty)->Arg(1'000)->Arg(kRows);

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
  show("(a) inserts, manager / raw", "BM_InsertManager/iterations:3/real_time",
       "BM_InsertRaw/iterations:3/real_time");
  show("(b) fetch by key, manager / raw", "BM_FetchManager", "BM_FetchRaw");
  show("(c) 20 in key order, 100,000 / 1,000 records", "BM_ReadTwenty/100000", "BM_ReadTwenty/1000");
  benchmark::Shutdown();
  return 0;
}
