// The spreadsheet import of a workbook of 1,000 formulas (each with 5 basic
// products) into empty data files, through the procedure the window runs
// (automation statements cell by cell, product, header and lines written one
// row per transaction, volumes and specific weight), against reading the same
// cells with the workbook reader alone and writing the same records through
// the file managers, also one row per transaction. Prints the ratio (aimed at
// 3 or less) of the elapsed times, which the disk's syncs at each commit
// dominate, and of the processor times.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "exchange/formula_import.h"
#include "exchange/import_columns.h"
#include "exchange/import_row.h"
#include "runtime/automation/cell_address.h"
#include "runtime/automation/workbook_automation.h"
#include "runtime/automation/workbook_files.h"
#include "runtime/scripted_presenter.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

constexpr int kRows = 1000;
constexpr int kBasics = 32;
constexpr int kLinesPerRow = 5;

QTemporaryDir scratch;
QString workbook;
int runNumber = 0;
double importTime = 0, baselineTime = 0, importCpu = 0, baselineCpu = 0;

QString basicCode(int slot) { return u"B%1"_s.arg(slot, 2, 10, QChar(u'0')); }

void makeWorkbook() {
  WorkbookAutomation xl;
  const auto put = [&](int column, int row, const QString& text) {
    xl.assign(u"Range(\"%1%2\").Value"_s.arg(columnLetters(column)).arg(row), text);
  };
  for (int i = 0; i < kRows; ++i) {
    const int row = kImportFirstRow + i;
    put(1, row, u"T%1"_s.arg(i, 5, 10, QChar(u'0')));
    put(2, row, u"Producto %1"_s.arg(i));
    put(3, row, u"1.25"_s);
    for (int k = 0; k < kLinesPerRow; ++k)
      put(kImportFirstSlotColumn + (i + k * 7) % kBasics, row, QString::number(10 + k) + u".5"_s);
    put(import_column::kQuantity, row, u"4"_s);
    put(import_column::kLine, row, u"1"_s);
    put(import_column::kSystem, row, u"M"_s);
  }
  workbook = QDir(scratch.path()).filePath(u"libro.xlsx"_s);
  xl.send(u"ActiveWorkbook.SaveAs(\"%1\")"_s.arg(workbook));
}

// Fresh data files with the line and the basic products the rows name.
struct Station {
  Station() : dir(QDir(scratch.path()).filePath(u"run%1"_s.arg(++runNumber))) {
    QDir().mkpath(dir);
    layer = FileLayer::createSqlite({dir, dir});
    files = std::make_unique<FileManagers>(*layer);
    FileManager& basicos = (*files)[u"Basicos"_s];
    FileManager& linea = (*files)[u"Linea"_s];
    basicos.open();
    linea.open();
    for (int slot = 1; slot <= kBasics; ++slot) {
      basicos.buffer().clear();
      basicos.buffer().setText("BAS:CODIGO", basicCode(slot));
      basicos.buffer().setText("BAS:MONEDA", u"D"_s);
      basicos.buffer().setDecimal("BAS:PESO_ESPECIFICO", Decimal(1) + Decimal(slot) / Decimal(10));
      basicos.buffer().setText("BAS:COLUMNA_EN_EXCEL", columnLetters(kImportFirstSlotColumn + slot - 1));
      basicos.tryInsert();
    }
    linea.buffer().clear();
    linea.buffer().setDecimal("LIN:CODIGO", Decimal(1));
    linea.file().add(linea.buffer());
    basicos.close();
    linea.close();
  }
  QString dir;
  std::shared_ptr<FileLayer> layer;
  std::unique_ptr<FileManagers> files;
};

void BM_ImportProcedure(benchmark::State& state) {
  ScriptedPresenter quiet;
  PresenterScope scope(quiet);
  for (auto _ : state) {
    Station station;
    const ImportOutcome outcome = FormulaImport(*station.files).run(workbook);
    if (outcome.imported != kRows) state.SkipWithError("not every row was imported");
  }
}

// The reader alone, the same cells taken apart, the same records written.
void BM_ReaderAndFileManagers(benchmark::State& state) {
  for (auto _ : state) {
    Station station;
    FileManagers& files = *station.files;
    FileManager& terminado = files[u"Terminado"_s];
    FileManager& formula1 = files[u"Formula1"_s];
    FileManager& formula2 = files[u"Formula2"_s];
    for (FileManager* m : {&terminado, &formula1, &formula2}) m->open();
    const auto book = readWorkbookFile(workbook);
    if (!book) state.SkipWithError("the workbook was not read");
    const Sheet& sheet = book->activeSheet();
    int number = 0;
    for (int row = kImportFirstRow; row < kImportFirstRow + kRows; ++row) {
      std::array<QString, kImportCells> cells;
      for (int column = 1; column <= kImportCells; ++column)
        if (const Cell* c = sheet.find({row, column})) cells[std::size_t(column - 1)] = c->text;
      const ParsedRow parsed = parseImportRow(cells);
      for (FileManager* m : {&terminado, &formula1, &formula2}) m->file().markForTransaction();
      station.layer->beginTransaction(2);
      Record& product = terminado.buffer();
      product.clear();
      product.setText("TER:CODIGO", parsed.row->code);
      product.setText("TER:DESCRIPCION", parsed.row->description);
      product.setDecimal("TER:LINEA", parsed.row->line);
      product.setText("TER:SISTEMA", parsed.row->system);
      terminado.tryInsert();
      Record& header = formula1.buffer();
      header.clear();
      header.setDecimal("FOR1:CODIGO_FORMULA", Decimal(++number));
      header.setText("FOR1:CODIGO_TERMINADO", parsed.row->code);
      header.setText("FOR1:MODIFICABLE", u"S"_s);
      header.setDecimal("FOR1:CANTIDAD", parsed.row->quantity);
      formula1.file().add(header);
      for (int slot = 1; slot <= kBasics; ++slot) {
        const Decimal& q = parsed.row->quantities[std::size_t(slot - 1)];
        if (q.isZero()) continue;
        Record& line = formula2.buffer();
        line.clear();
        line.setDecimal("FOR2:CODIGO_FORMULA", Decimal(number));
        line.setText("FOR2:CODIGO_BASICO", basicCode(slot));
        line.setDecimal("FOR2:CANTIDAD", q);
        formula2.tryInsert();
      }
      station.layer->commit();
    }
    for (FileManager* m : {&terminado, &formula1, &formula2}) m->close();
  }
}

}  // namespace

BENCHMARK(BM_ImportProcedure)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReaderAndFileManagers)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ErrorManager::instance().loadTable(standardMessageBlock());
  makeWorkbook();
  benchmark::Initialize(&argc, argv);
  struct Collect : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) {
        if (r.benchmark_name().find("Procedure") != std::string::npos) {
          importTime = r.GetAdjustedRealTime();
          importCpu = r.GetAdjustedCPUTime();
        }
        if (r.benchmark_name().find("Reader") != std::string::npos) {
          baselineTime = r.GetAdjustedRealTime();
          baselineCpu = r.GetAdjustedCPUTime();
        }
      }
    }
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (baselineTime > 0)
    std::printf("ratio import of %d rows / reader alone and the same records written: %.2f (CPU %.2f)\n",
                kRows, importTime / baselineTime, importCpu / baselineCpu);
  std::fflush(stdout);
  return 0;
}
