// A cascade of a Linea code change into its Terminado children through the
// relation manager, against the one SQL UPDATE that changes the same rows of
// the same file, for 2,500 to 20,000 children. Prints, per size, the ratio of
// the cascade to the UPDATE; the cascade's cost should grow like the UPDATE's.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>

#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace {

using namespace bv;

ErrorManager& errors() {
  static ErrorManager* e = [] {
    auto* m = new ErrorManager;
    m->loadTable(standardMessageBlock());
    return m;
  }();
  return *e;
}

// Line 1 with `children` finished products, and line 2 for them to move to.
struct Station {
  explicit Station(int children)
      : layer(FileLayer::createSqlite({dir.path(), dir.path()})), files(*layer, errors()), relations(files) {
    for (const auto& m : files.all()) m->open();
    FileManager& lin = files["Linea"];
    lin.use();
    for (int code : {1, 3}) {
      Record r(lin.table());
      r.setDecimal("LIN:CODIGO", Decimal(code));
      r.setText("LIN:DESCRIPCION", QStringLiteral("LINEA %1").arg(code));
      lin.file().add(r);
    }
    FileManager& ter = files["Terminado"];
    ter.use();
    ter.file().markForTransaction();
    layer->beginTransaction(2);
    for (int i = 0; i < children; ++i) {
      Record r(ter.table());
      r.setText("TER:CODIGO", QStringLiteral("T%1").arg(i, 6, 10, QChar(u'0')));
      r.setText("TER:DESCRIPCION", QStringLiteral("PRODUCTO %1").arg(i));
      r.setDecimal("TER:LINEA", Decimal(1));
      r.setText("TER:SISTEMA", QStringLiteral("M"));
      ter.file().add(r);
    }
    layer->commit();
  }
  ~Station() {
    for (const auto& m : files.all()) m->close();
  }
  QString terminado() const { return QDir(dir.path()).filePath(QStringLiteral("Terminad.tps")); }

  // Changes the line's code from `from` to `to` with integrity.
  bool changeLine(int from, int to) {
    FileManager& lin = files["Linea"];
    RelationManager& rm = relations["Linea"];
    lin.buffer().clear();
    lin.buffer().setDecimal("LIN:CODIGO", Decimal(from));
    if (lin.fetch(lin.keyDef(u"LIN:KEYCOD")) != kLevelBenign) return false;
    rm.rememberLinks();
    lin.buffer().setDecimal("LIN:CODIGO", Decimal(to));
    return rm.update() == kLevelBenign;
  }

  int line = 1;  // the code the children's line has now
  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
  RelationManagers relations;
};

// Kept to the end of the program, never destroyed: the process ends with them.
Station& station(int children) {
  static auto* made = new std::map<int, Station*>;
  Station*& s = (*made)[children];
  if (!s) s = new Station(children);
  return *s;
}

void BM_Cascade(benchmark::State& state) {
  Station& s = station(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!s.changeLine(s.line, 3 - s.line)) state.SkipWithError("the cascade failed");
    s.line = 3 - s.line;
  }
}
BENCHMARK(BM_Cascade)->Arg(2'500)->Arg(5'000)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same rows of the same file changed by one UPDATE in one transaction,
// through a connection of its own (the layer holds no lock between calls).
void BM_SqlUpdate(benchmark::State& state) {
  Station& s = station(static_cast<int>(state.range(0)));
  sqlite3* db = nullptr;
  sqlite3_open_v2(s.terminado().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* update = nullptr;
  sqlite3_prepare_v2(db, "UPDATE \"Terminado\" SET \"TER:LINEA\" = ?2 WHERE \"TER:LINEA\" = ?1", -1, &update,
                     nullptr);
  int from = s.line, to = 3 - s.line;
  for (auto _ : state) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_bind_int64(update, 1, from);
    sqlite3_bind_int64(update, 2, to);
    if (sqlite3_step(update) != SQLITE_DONE) state.SkipWithError("the update failed");
    sqlite3_reset(update);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    std::swap(from, to);
  }
  s.line = from;
  sqlite3_finalize(update);
  sqlite3_close(db);
}
BENCHMARK(BM_SqlUpdate)->Arg(2'500)->Arg(5'000)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* n : {"2500", "5000", "10000", "20000"}) {
    const auto a = reporter.times.find(std::string("BM_Cascade/") + n + "/real_time");
    const auto b = reporter.times.find(std::string("BM_SqlUpdate/") + n + "/real_time");
    if (a != reporter.times.end() && b != reporter.times.end() && b->second > 0)
      std::printf("cascade / one UPDATE, %s children: %.2f\n", n, a->second / b->second);
  }
  benchmark::Shutdown();
  return 0;
}
