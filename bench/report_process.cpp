// A report process over 10,000 records of a simple view (Basicos in code
// order) printing one detail band per record to a PDF file, against reading the
// same records in the same order without reporting. Prints the ratio.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "runtime/choices.h"
#include "runtime/report/report.h"
#include "shell/report_process/report_process.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;

constexpr int kRecords = 10'000;

struct Station {
  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers managers{*layer};
  FileManager& bas = managers["Basicos"];
  const KeyDef& byCode = *bas.table().key(QStringLiteral("BAS:KEYCOD"));

  Station() {
    bas.open();
    bas.file().markForTransaction();
    layer->beginTransaction(2);
    for (int i = 0; i < kRecords; ++i) {
      bas.primeRecord();
      bas.buffer().setText(1, QStringLiteral("B%1").arg(i, 6, 10, QChar(u'0')));
      bas.buffer().setText(2, QStringLiteral("BASICO DE PRUEBA %1").arg(i));
      bas.buffer().setDecimal(4, Decimal(i % 1000));
      bas.insert();
    }
    layer->commit();
  }
  static Station& get() {
    static Station s;
    return s;
  }
};

// The simple view: every record in code order.
class CodeOrderReader : public ProcessReader {
 public:
  explicit CodeOrderReader(Station& s) : s_(s) {}
  void reset() override { s_.bas.setPosition(&s_.byCode, FileEdge::Start); }
  int next() override { return s_.bas.tryNext() == 0 ? 0 : 5; }
  qint64 recordCount() const override { return s_.bas.file().recordCount(); }
  qint64 fileSize() const override { return s_.bas.file().fileSize(); }
  qint64 recordSize() const override { return 95; }
  void close() override {}

 private:
  Station& s_;
};

double readingSeconds = 0, reportingSeconds = 0;

void BM_ReadTheView(benchmark::State& state) {
  Station& s = Station::get();
  CodeOrderReader reader(s);
  for (auto _ : state) {
    int n = 0;
    reader.reset();
    while (reader.next() == 0) ++n;
    benchmark::DoNotOptimize(n);
  }
}

void BM_ReportProcessToPdf(benchmark::State& state) {
  Station& s = Station::get();
  CodeOrderReader reader(s);
  ScriptedChoices choices;
  ChoicesScope scope(choices);
  QTemporaryDir out;
  Report report;
  report.addBand(1, BandKind::Detail, QRect(0, 0, 7500, 200));
  report.addControl(10, ControlKind::String, 1)->setRect(0, 0, 1500, 180);
  report.addControl(11, ControlKind::String, 1)->setRect(1600, 0, 4000, 180);
  ReportControl* cost = report.addControl(12, ControlKind::String, 1);
  cost->setRect(5700, 0, 1500, 180).setPicture(QStringLiteral("n10.2"));
  report.setTarget(PrintTarget::pdfFile(out.filePath("costos.pdf")));
  for (auto _ : state) {
    choices.answer("vista-previa", QStringLiteral("Imprimir"));
    ReportProcess process(reader, &report, [&] {
      const Record& b = s.bas.buffer();
      report.control(10)->setText(b.text(1));
      report.control(11)->setText(b.text(2));
      report.control(12)->setValue(b.decimal(4));
      report.print(1);
    });
    process.runWithoutScreen();
    benchmark::DoNotOptimize(process.count());
  }
}

}  // namespace

BENCHMARK(BM_ReadTheView)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReportProcessToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  QCoreApplication* app = nullptr;
  int qargc = 1;
  if (!QCoreApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QGuiApplication(qargc, argv);
  }
  ErrorManager::instance().loadTable(standardMessageBlock());
  benchmark::Initialize(&argc, argv);
  struct Collect : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) {
        const double t = r.GetAdjustedRealTime();
        if (r.benchmark_name().find("ReadTheView") != std::string::npos) readingSeconds = t;
        if (r.benchmark_name().find("ReportProcessToPdf") != std::string::npos) reportingSeconds = t;
      }
    }
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (readingSeconds > 0)
    std::printf("ratio report process to PDF / reading the view: %.2f\n", reportingSeconds / readingSeconds);
  delete app;
  return 0;
}
