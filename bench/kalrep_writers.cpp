// The export library writing the formula sheet's 25 columns for 10,000 rows,
// against plain programs writing the same output: the delimited text against a
// loop writing the same bytes with std::ofstream, the workbook against a
// program writing the same cells with libxlsxwriter. Prints both ratios.
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "kalrep/export_codes.h"
#include "kalrep/kexport_manager.h"

namespace {

using bv::Decimal;

constexpr int kRows = 10'000;
constexpr int kBasics = 22;

// One row of the sheet: a code, a description and 23 quantities of 4 places.
struct Row {
  std::string code;
  std::string description;
  std::array<long long, kBasics + 1> tenThousandths;  // weight, then the basics
};

Row rowAt(int i) {
  Row r;
  r.code = "01" + std::to_string(100000 + i);
  r.description = "Latex Interior Color " + std::to_string(i % 977);
  for (int k = 0; k <= kBasics; ++k)
    r.tenThousandths[std::size_t(k)] = (i * 37 + k * 1250) % 9'999'999;
  return r;
}

QString benchDir() {
  static QTemporaryDir dir;
  return dir.path();
}

// The export library, driven as the formula sheet drives it.
class Sheet : public bv::KExportManager {
 public:
  void SETUP() override {
    KALCOLHTEXTO = 0x000000;
    KALCOLHFONDO = 0xC0C0C0;
    KALCOLPAGE = 0xFFFFFF;
    QUOTECHAR = QStringLiteral("\"");
    FIELDDELIMITER = QStringLiteral(";");
    OMITROWCOLOR = 1;
    KExportManager::SETUP();
    SETFACE(0, QStringLiteral("I"), 1, 1, 1, 1, QStringLiteral("V"), QStringLiteral("Listado"), 1,
            nullptr, 0);
  }
  void SETCOLOR() override {
    KALCOLDTEXTO = 0x000000;
    KALCOLDFONDO = 0xFFFFFF;
    KExportManager::SETCOLOR();
  }

  bool write(bv::kal::Byte type, const QString& file) {
    if (!INIT(file, QStringLiteral("RPT:GeneraPlanilla"), benchDir() + QStringLiteral("/b.INI"),
              type, 1, 1, 10))
      return false;
    const QString L = QStringLiteral("L");
    ADDFIELD(code, QStringLiteral("@s13"), L, QStringLiteral("Codigo"), 60);
    ADDFIELD(description, QStringLiteral("@s40"), L, QStringLiteral("Descripcion"), 168);
    ADDFIELD(values[0], QStringLiteral("@n8.4"), L, QStringLiteral("PesoEsp"), 40);
    for (int k = 1; k <= kBasics; ++k)
      ADDFIELD(values[std::size_t(k)], QStringLiteral("@n8.4"), L,
               QStringLiteral("basico[%1]").arg(k), 44);
    if (!RUN()) return false;
    for (int i = 0; i < kRows; ++i) {
      const Row r = rowAt(i);
      code = QString::fromStdString(r.code);
      description = QString::fromStdString(r.description);
      for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = Decimal::fromMantissa(r.tenThousandths[k], 4);
      if (!OPEN() || !TAKERECORD()) return false;
    }
    CLOSE();
    return true;
  }

 private:
  QString code, description;
  std::array<Decimal, kBasics + 1> values;
};

std::string headingOf(int column) {
  if (column == 0) return "Codigo";
  if (column == 1) return "Descripcion";
  if (column == 2) return "PesoEsp";
  return "basico[" + std::to_string(column - 2) + "]";
}

// "123.4567" from ten-thousandths.
std::string fourPlaces(long long v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld.%04lld", v / 10000, v % 10000);
  return buf;
}

bool plainDelimited(const std::string& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (int c = 0; c < 25; ++c) out << (c ? ";" : "") << '"' << headingOf(c) << '"';
  out << "\r\n";
  for (int i = 0; i < kRows; ++i) {
    const Row r = rowAt(i);
    out << '"' << r.code << "\";\"" << r.description << '"';
    for (long long v : r.tenThousandths) out << ';' << fourPlaces(v);
    out << "\r\n";
  }
  return bool(out);
}

bool plainWorkbook(const std::string& file) {
  lxw_workbook* book = workbook_new(file.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Hoja1");
  lxw_format* heading = workbook_add_format(book);
  format_set_pattern(heading, LXW_PATTERN_SOLID);
  format_set_bg_color(heading, 0xC0C0C0);
  format_set_font_color(heading, LXW_COLOR_BLACK);
  format_set_border(heading, LXW_BORDER_THIN);
  lxw_format* cell = workbook_add_format(book);
  format_set_border(cell, LXW_BORDER_THIN);
  for (int c = 0; c < 25; ++c)
    worksheet_write_string(sheet, 0, lxw_col_t(c), headingOf(c).c_str(), heading);
  for (int i = 0; i < kRows; ++i) {
    const Row r = rowAt(i);
    const auto row = lxw_row_t(i + 1);
    worksheet_write_number(sheet, row, 0, std::strtod(r.code.c_str(), nullptr), cell);
    worksheet_write_string(sheet, row, 1, r.description.c_str(), cell);
    for (std::size_t k = 0; k < r.tenThousandths.size(); ++k)
      worksheet_write_number(sheet, row, lxw_col_t(k + 2), double(r.tenThousandths[k]) / 10000.0,
                             cell);
  }
  for (int c = 0; c < 25; ++c) worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), 12, nullptr);
  return workbook_close(book) == LXW_NO_ERROR;
}

void BM_DelimitedKalrep(benchmark::State& state) {
  const QString file = benchDir() + QStringLiteral("/kalrep.csv");
  for (auto _ : state) {
    Sheet sheet;
    if (!sheet.write(bv::kal::kCsv, file)) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_DelimitedKalrep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DelimitedPlain(benchmark::State& state) {
  const std::string file = benchDir().toStdString() + "/plain.csv";
  for (auto _ : state)
    if (!plainDelimited(file)) state.SkipWithError("write failed");
}
BENCHMARK(BM_DelimitedPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WorkbookKalrep(benchmark::State& state) {
  const QString file = benchDir() + QStringLiteral("/kalrep.xlsx");
  for (auto _ : state) {
    Sheet sheet;
    if (!sheet.write(bv::kal::kSpreadsheet, file)) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_WorkbookKalrep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WorkbookPlain(benchmark::State& state) {
  const std::string file = benchDir().toStdString() + "/plain.xlsx";
  for (auto _ : state)
    if (!plainWorkbook(file)) state.SkipWithError("write failed");
}
BENCHMARK(BM_WorkbookPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's real time per iteration (the median when repeated) so
// the ratios can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median)
        times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

QByteArray contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
  // The two delimited texts must be the same bytes, or the times compare nothing.
  const QString mine = benchDir() + QStringLiteral("/check.csv");
  const QString plain = benchDir() + QStringLiteral("/check_plain.csv");
  Sheet sheet;
  if (!sheet.write(bv::kal::kCsv, mine) || !plainDelimited(plain.toStdString()) ||
      contents(mine) != contents(plain)) {
    std::fprintf(stderr, "the export and the plain loop do not write the same bytes\n");
    return EXIT_FAILURE;
  }

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto ratio = [&](const char* a, const char* b) {
    const double x = reporter.times[a], y = reporter.times[b];
    return x > 0 && y > 0 ? x / y : 0.0;
  };
  std::printf("ratio delimited text, export / plain ofstream: %.2f\n",
              ratio("BM_DelimitedKalrep", "BM_DelimitedPlain"));
  std::printf("ratio workbook, export / plain libxlsxwriter: %.2f\n",
              ratio("BM_WorkbookKalrep", "BM_WorkbookPlain"));
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
