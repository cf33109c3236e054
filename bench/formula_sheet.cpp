// The formula sheet of 10,000 Planilla rows written as delimited text, against
// the sqlite3 shell dumping the same rows of Planilla as CSV. Every side is a
// process of its own, timed from its start to its exit:
//   BM_SheetVerb            bravent-cli planilla --tipo 1: the sheet rebuilt
//                           from 10,000 formulas, then written
//   BM_SheetExportProcess   this program in export mode: the report over the
//                           10,000 rows already in Planilla, written (no rebuild)
//   BM_Sqlite3Csv           sqlite3 -csv, the same rows and columns, decimals
//                           shown with their four places
// Prints the ratios to the sqlite3 dump.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "exchange/formula_sheet_rebuild.h"
#include "exchange/formula_sheet_report.h"
#include "kalrep/output_menus.h"
#include "runtime/choices.h"
#include "storage/errors/error_manager.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/integrity_transaction.h"

namespace {

using bv::Decimal;
using bv::Record;

constexpr int kFormulas = 10'000;
constexpr int kBasics = 25;
constexpr int kLinesPerFormula = 5;

QString dataDir;
QString sqliteSelect;  // the dump's query, built from Planilla's columns

// Writes the records straight into the files, in one transaction per table.
bool fillTable(bv::FileManagers& files, const char* label, int count,
               const std::function<void(int, Record&)>& fill) {
  bv::FileManager& m = files[QString::fromLatin1(label)];
  if (m.open() != 0 || m.use() != 0) return false;
  bv::IntegrityFailure failure;
  bool ok = true;
  {
    bv::IntegrityTransaction transaction(files.layer());
    ok = transaction.mark(m, failure) == 0 && transaction.begin(m, failure) == 0;
    Record r(m.table());
    for (int i = 0; ok && i < count; ++i) {
      r.clear();
      fill(i, r);
      ok = m.file().add(r) == bv::kFileOk;
    }
    ok = ok && transaction.commit(m, failure) == 0;
  }
  m.close();
  if (!ok) std::fprintf(stderr, "could not fill %s\n", label);
  return ok;
}

QString code(const char* prefix, int i) { return QString::fromLatin1(prefix) + QString::number(100000 + i); }

bool makeData() {
  auto layer = bv::FileLayer::createSqlite({dataDir, dataDir});
  bv::FileManagers files(*layer, bv::ErrorManager::instance());
  const bool filled =
      fillTable(files, "Basicos", kBasics,
                [](int i, Record& r) { r.setText("BAS:CODIGO", code("B", i)); }) &&
      fillTable(files, "Terminado", kFormulas,
                [](int i, Record& r) {
                  r.setText("TER:CODIGO", code("01", i));
                  r.setText("TER:DESCRIPCION", QStringLiteral("Latex Interior Color %1").arg(i % 977));
                }) &&
      fillTable(files, "Formula1", kFormulas,
                [](int i, Record& r) {
                  r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(i + 1));
                  r.setText("FOR1:CODIGO_TERMINADO", code("01", i));
                  r.setDecimal("FOR1:PESO_ESPECIFICO", Decimal(1000 + i % 900) / Decimal(1000));
                }) &&
      fillTable(files, "Formula2", kFormulas * kLinesPerFormula, [](int i, Record& r) {
        const int formula = i / kLinesPerFormula, line = i % kLinesPerFormula;
        r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(formula + 1));
        r.setText("FOR2:CODIGO_BASICO", code("B", (formula + line * 5) % kBasics));
        r.setDecimal("FOR2:CANTIDAD", Decimal((formula * 37 + line * 1250) % 9'999'999) / Decimal(10000));
      });
  // Planilla is filled once, so that every side reads the same rows.
  return filled && bv::rebuildFormulaSheet(files) == 0;
}

// Planilla's file, found without regard to letter case as the file layer finds it.
QString planillaFile() {
  const QStringList found = QDir(dataDir).entryList({QStringLiteral("planilla.tps")}, QDir::Files);
  return found.isEmpty() ? QString() : QDir(dataDir).filePath(found.front());
}

// The sqlite3 query: the columns the sheet writes (code, description, weight,
// basic products 1 to 22), decimals with their four places.
bool buildSelect() {
  QProcess p;
  p.start(QStringLiteral("sqlite3"),
          {planillaFile(),
           QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'")});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return false;
  const QString table = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  if (table.isEmpty()) return false;
  QStringList columns{QStringLiteral("\"PLA:CODIGO\""), QStringLiteral("\"PLA:DESCRIPCION\""),
                      QStringLiteral("printf('%.4f', \"PLA:PESOESP\" / 10000.0)")};
  for (int i = 1; i <= 22; ++i)
    columns << QStringLiteral("printf('%.4f', \"PLA:BASICO[%1]\" / 10000.0)").arg(i);
  sqliteSelect = QStringLiteral("SELECT %1 FROM \"%2\"").arg(columns.join(u','), table);
  return true;
}

bool run(const QString& program, const QStringList& args) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.setStandardOutputFile(QDir(dataDir).filePath(QStringLiteral("stdout.txt")));
  p.start(program, args);
  return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void BM_SheetVerb(benchmark::State& state) {
  const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/bravent-cli");
  if (!QFile::exists(cli)) return state.SkipWithError("bravent-cli is not built");
  for (auto _ : state)
    if (!run(cli, {QStringLiteral("-d"), dataDir, QStringLiteral("planilla"), QStringLiteral("--tipo"),
                   QStringLiteral("1"), QStringLiteral("--archivo"), dataDir + QStringLiteral("/verb.csv")}))
      state.SkipWithError("bravent-cli failed");
}
BENCHMARK(BM_SheetVerb)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_SheetExportProcess(benchmark::State& state) {
  for (auto _ : state)
    if (!run(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--solo-exporta"), dataDir, dataDir + QStringLiteral("/report.csv")}))
      state.SkipWithError("the export failed");
}
BENCHMARK(BM_SheetExportProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_Sqlite3Csv(benchmark::State& state) {
  for (auto _ : state)
    if (!run(QStringLiteral("sqlite3"),
             {QStringLiteral("-csv"), QStringLiteral("-header"),
              planillaFile(), sqliteSelect}))
      state.SkipWithError("sqlite3 failed");
}
BENCHMARK(BM_Sqlite3Csv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The export mode: the report over Planilla as it is, to delimited text.
int exportOnly(const QString& directory, const QString& file) {
  auto layer = bv::FileLayer::createSqlite({directory, directory});
  bv::FileManagers files(*layer, bv::ErrorManager::instance());
  bv::ScriptedChoices answers;
  answers.answer(QString::fromLatin1(bv::kOutputTypeChoice), QStringLiteral("1"));
  answers.answer(QString::fromLatin1(bv::kFileNameChoice), file);
  bv::ChoicesScope scope(answers);
  bv::FormulaSheetReport report(files, bv::ExecutionContext::current(),
                                QDir(directory).filePath(QStringLiteral("bravent.INI")));
  if (!report.start()) return EXIT_FAILURE;
  const auto response = report.runWithoutScreen();
  return response == bv::ReportProcess::Response::Completed && !report.failed() ? EXIT_SUCCESS
                                                                                 : EXIT_FAILURE;
}

// Lines of a text file (a heading and one per row).
int rowsOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  return int(f.readAll().count('\n'));
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 4 && QString::fromLocal8Bit(argv[1]) == QLatin1StringView("--solo-exporta"))
    return exportOnly(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

  QTemporaryDir dir;
  dataDir = dir.path();
  if (!makeData()) {
    std::fprintf(stderr, "could not fill the data directory\n");
    return EXIT_FAILURE;
  }
  if (!buildSelect()) {
    std::fprintf(stderr, "could not read Planilla's columns with sqlite3\n");
    return EXIT_FAILURE;
  }
  // Both sides must write every row, or the times compare nothing.
  const QString check = dataDir + QStringLiteral("/check.csv");
  if (!run(QCoreApplication::applicationFilePath(), {QStringLiteral("--solo-exporta"), dataDir, check}) ||
      rowsOf(check) != kFormulas + 1 ||
      !run(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), QStringLiteral("-header"), planillaFile(), sqliteSelect}) ||
      rowsOf(QDir(dataDir).filePath(QStringLiteral("stdout.txt"))) != kFormulas + 1) {
    std::fprintf(stderr, "the export and the sqlite3 dump do not hold the %d rows\n", kFormulas);
    return EXIT_FAILURE;
  }

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto ratio = [&](const char* a) {
    const double x = reporter.times[a], y = reporter.times["BM_Sqlite3Csv"];
    return x > 0 && y > 0 ? x / y : 0.0;
  };
  std::printf("ratio rebuild and export (bravent-cli planilla) / sqlite3 -csv: %.2f\n", ratio("BM_SheetVerb"));
  std::printf("ratio export of Planilla / sqlite3 -csv: %.2f\n", ratio("BM_SheetExportProcess"));
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
