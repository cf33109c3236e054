// The keyed-file layer on a database server against plain libpq doing the same
// work on the same server, and against the layer on the files with the same
// rows: adding 2,000 products in one transaction, fetching each by its code, and
// walking the products in description order keeping those whose description
// holds a "7" (a filtered ordered view). Prints the ratio of each layer time to
// plain libpq's, and of the server layer to the file layer. The view is also
// measured against plain libpq reading the same pages of 50 the views read.
//
// Starts a throwaway server of its own (tests/support/pg_server.sh).
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "storage/dictionary/dictionary.h"
#include "storage/filelayer/layer_choice.h"

namespace {

using namespace Qt::StringLiterals;

using namespace bv;

constexpr int kRows = 2000;

const TableDef& basicos() { return *Dictionary::instance().table(u"Basicos"_s); }
const KeyDef& key(const char* label) { return *Dictionary::instance().key(QString::fromLatin1(label)).key; }
QString code(int i) { return u"B%1"_s.arg(i, 5, 10, QChar(u'0')); }
// Descriptions in another order than the codes.
QString description(int i) { return u"BASICO %1"_s.arg((i * 7919) % kRows, 5, 10, QChar(u'0')); }

struct Server {
  QString socket = QDir::temp().filePath(u"bravent-bench-%1"_s.arg(QCoreApplication::applicationPid()));
  QString script = QStringLiteral(BRAVENT_SERVER_SCRIPT);
  bool up = QProcess::execute(script, {u"start"_s, socket}) == 0;
  ~Server() { QProcess::execute(script, {u"stop"_s, socket}); }
  QString connection() const { return u"host=%1 dbname=postgres user=bravent"_s.arg(socket); }
};
Server* server = nullptr;

// A fresh layer on an empty table: the server's or the files'.
struct Layer {
  explicit Layer(bool onServer) {
    if (onServer) {
      PGconn* c = PQconnectdb(server->connection().toUtf8().constData());
      PQclear(PQexec(c, "SET client_min_messages = warning; DROP TABLE IF EXISTS public.\"Basicos\""));
      PQfinish(c);
      layer = createServerLayer({dir.path(), dir.path()}, server->connection());
    } else {
      layer = FileLayer::createSqlite({dir.path(), dir.path()});
    }
    file = layer->file(basicos());
    file->open(0x42, true);
  }
  void fill() {
    file->markForTransaction();
    layer->beginTransaction(5);
    Record r(basicos());
    for (int i = 0; i < kRows; ++i) {
      r.setText("BAS:CODIGO", code(i));
      r.setText("BAS:DESCRIPCION", description(i));
      file->add(r);
    }
    layer->commit();
  }
  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  std::unique_ptr<KeyedFile> file;
};

// Plain libpq on a table of the same shape, with the same index on the code.
struct Plain {
  Plain() {
    c = PQconnectdb(server->connection().toUtf8().constData());
    exec("SET client_min_messages = warning; DROP TABLE IF EXISTS plain_basicos; "
         "CREATE TABLE plain_basicos (pos BIGSERIAL PRIMARY KEY, codigo TEXT COLLATE \"C\" NOT NULL, "
         "descripcion TEXT COLLATE \"C\" NOT NULL); CREATE UNIQUE INDEX ON plain_basicos (codigo); "
         "CREATE INDEX ON plain_basicos (descripcion, pos)");
    PQclear(PQprepare(c, "ins", "INSERT INTO plain_basicos (codigo, descripcion) VALUES ($1, $2)", 2, nullptr));
    PQclear(PQprepare(c, "get", "SELECT pos, codigo, descripcion FROM plain_basicos WHERE codigo = $1", 1, nullptr));
  }
  ~Plain() { PQfinish(c); }
  void exec(const char* sql) { PQclear(PQexec(c, sql)); }
  void fill() {
    exec("BEGIN");
    for (int i = 0; i < kRows; ++i) {
      const QByteArray a = code(i).toUtf8(), b = description(i).toUtf8();
      const char* v[] = {a.constData(), b.constData()};
      PQclear(PQexecPrepared(c, "ins", 2, v, nullptr, nullptr, 0));
    }
    exec("COMMIT");
  }
  PGconn* c;
};

void insertLayer(benchmark::State& state, bool onServer) {
  for (auto _ : state) {
    state.PauseTiming();
    Layer l(onServer);
    state.ResumeTiming();
    l.fill();
  }
}
void BM_InsertServerLayer(benchmark::State& s) { insertLayer(s, true); }
void BM_InsertFileLayer(benchmark::State& s) { insertLayer(s, false); }
void BM_InsertPlain(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Plain p;
    state.ResumeTiming();
    p.fill();
  }
}

void fetchLayer(benchmark::State& state, bool onServer) {
  Layer l(onServer);
  l.fill();
  Record r(basicos());
  for (auto _ : state)
    for (int i = 0; i < kRows; ++i) {
      r.setText("BAS:CODIGO", code(i));
      if (l.file->get(key("BAS:KEYCOD"), r) != kFileOk) state.SkipWithError("not found");
    }
}
void BM_FetchServerLayer(benchmark::State& s) { fetchLayer(s, true); }
void BM_FetchFileLayer(benchmark::State& s) { fetchLayer(s, false); }
void BM_FetchPlain(benchmark::State& state) {
  Plain p;
  p.fill();
  for (auto _ : state)
    for (int i = 0; i < kRows; ++i) {
      const QByteArray a = code(i).toUtf8();
      const char* v[] = {a.constData()};
      PGresult* r = PQexecPrepared(p.c, "get", 1, v, nullptr, nullptr, 0);
      if (PQntuples(r) != 1) state.SkipWithError("not found");
      benchmark::DoNotOptimize(QString::fromUtf8(PQgetvalue(r, 0, 2)));
      PQclear(r);
    }
}

// Pages of 50 as the views read them, the filter applied to each row.
void viewLayer(benchmark::State& state, bool onServer) {
  Layer l(onServer);
  l.fill();
  for (auto _ : state) {
    int kept = 0;
    std::vector<Record> rows;
    std::vector<RecordPosition> positions;
    l.file->setPosition(&key("BAS:KEYDES"), FileEdge::Start);
    while (l.file->readPage(true, 50, rows, positions) == kFileOk) {
      for (const Record& r : rows) kept += r.text("BAS:DESCRIPCION").contains(u'7');
      rows.clear();
      positions.clear();
    }
    benchmark::DoNotOptimize(kept);
  }
}
void BM_ViewServerLayer(benchmark::State& s) { viewLayer(s, true); }
void BM_ViewFileLayer(benchmark::State& s) { viewLayer(s, false); }
void BM_ViewPlain(benchmark::State& state) {
  Plain p;
  p.fill();
  for (auto _ : state) {
    PGresult* r = PQexec(p.c, "SELECT pos, codigo, descripcion FROM plain_basicos WHERE strpos(descripcion, '7') > 0 "
                              "ORDER BY descripcion, pos");
    int kept = 0;
    for (int i = 0; i < PQntuples(r); ++i) kept += QString::fromUtf8(PQgetvalue(r, i, 2)).size() > 0;
    benchmark::DoNotOptimize(kept);
    PQclear(r);
  }
}

// The same pages of 50 as the layer reads, each one statement after the last
// row of the one before, the filter applied to each row.
void BM_ViewPlainPaged(benchmark::State& state) {
  Plain p;
  p.fill();
  PQclear(PQprepare(p.c, "page",
                    "SELECT pos, codigo, descripcion FROM plain_basicos WHERE (descripcion, pos) > ($1, $2) "
                    "ORDER BY descripcion, pos LIMIT 50",
                    2, nullptr));
  for (auto _ : state) {
    int kept = 0;
    QByteArray last, lastPos = "0";
    for (;;) {
      const char* v[] = {last.constData(), lastPos.constData()};
      PGresult* r = PQexecPrepared(p.c, "page", 2, v, nullptr, nullptr, 0);
      const int n = PQntuples(r);
      for (int i = 0; i < n; ++i) kept += QString::fromUtf8(PQgetvalue(r, i, 2)).contains(u'7');
      if (n > 0) {
        last = PQgetvalue(r, n - 1, 2);
        lastPos = PQgetvalue(r, n - 1, 0);
      }
      PQclear(r);
      if (n < 50) break;
    }
    benchmark::DoNotOptimize(kept);
  }
}

BENCHMARK(BM_InsertPlain)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_InsertServerLayer)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_InsertFileLayer)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FetchPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchServerLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchFileLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewPlainPaged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewServerLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewFileLayer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Server own;
  if (!own.up) {
    std::fprintf(stderr, "the throwaway server did not start\n");
    return 1;
  }
  server = &own;
  benchmark::Initialize(&argc, argv);
  struct Collect : benchmark::ConsoleReporter {
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto time = [&](const std::string& prefix) {
    for (const auto& [name, t] : reporter.times)
      if (name.rfind(prefix, 0) == 0) return t;
    return 0.0;
  };
  for (const char* what : {"Insert", "Fetch", "View"}) {
    const std::string w = what;
    const double plain = time("BM_" + w + "Plain"), serverLayer = time("BM_" + w + "ServerLayer"),
                 files = time("BM_" + w + "FileLayer");
    if (plain > 0 && serverLayer > 0) std::printf("ratio %s server layer / plain libpq: %.2f\n", what, serverLayer / plain);
    const double paged = time("BM_" + w + "PlainPaged");
    if (paged > 0 && serverLayer > 0)
      std::printf("ratio %s server layer / plain libpq in the same pages: %.2f\n", what, serverLayer / paged);
    if (files > 0 && serverLayer > 0) std::printf("ratio %s server layer / file layer: %.2f\n", what, serverLayer / files);
  }
  return 0;
}
