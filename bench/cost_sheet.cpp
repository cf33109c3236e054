// The cost sheet of a formula of 32 lines to PDF, through the procedure the
// formula list starts (tables opened, the dollar rate read, the view of the
// formula's lines, every line costed and printed), against the same sheet's
// values computed with plain Decimal arithmetic and the same page written with
// the report engine. Prints the ratio (aimed at 3 or less).
#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"

#include <QTemporaryDir>

#include "production/costing/cost_sheet_layout.h"
#include "production/costing/formula_cost_sheet.h"
#include "production/costing/line_cost.h"
#include "runtime/choices.h"
#include "runtime/report/report.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

constexpr int kLines = 32;

struct Station {
  Station() {
    Clock::fix(Date::fromYmd(2024, 6, 14));
    for (const char* t : {"Basicos", "Formula1", "Formula2", "Dolar", "Terminado"}) {
      FileManager& m = files[QString::fromLatin1(t)];
      m.open();
      m.use();
      m.file().markForTransaction();
    }
    layer->beginTransaction(2);
    FileManager& basicos = files[u"Basicos"_s];
    FileManager& lines = files[u"Formula2"_s];
    for (int i = 0; i < kLines; ++i) {
      Record b(basicos.table());
      b.setText("BAS:CODIGO", u"B%1"_s.arg(i, 3, 10, QChar(u'0')));
      b.setText("BAS:DESCRIPCION", u"Basico numero %1"_s.arg(i));
      b.setDecimal("BAS:COSTO", Decimal(100 + i));
      b.setText("BAS:MONEDA", i % 2 ? u"D"_s : u"P"_s);
      b.setDecimal("BAS:UNIDAD_POR_LATA", 4);
      b.setDecimal("BAS:BONIFICACION1", 10);
      b.setDecimal("BAS:BONIFICACION2", 5);
      basicos.file().add(b);
      terms.push_back(basicCostTerms(b));
      Record l(lines.table());
      l.setDecimal("FOR2:CODIGO_FORMULA", 1);
      l.setText("FOR2:CODIGO_BASICO", b.text("BAS:CODIGO"));
      l.setDecimal("FOR2:CANTIDAD", Decimal(1 + i));
      lines.file().add(l);
      quantities.push_back(Decimal(1 + i));
      descriptions << b.text("BAS:DESCRIPCION");
      codes << b.text("BAS:CODIGO");
    }
    Record f(files[u"Formula1"_s].table());
    f.setDecimal("FOR1:CODIGO_FORMULA", 1);
    f.setText("FOR1:CODIGO_TERMINADO", u"T1"_s);
    f.setText("FOR1:MODIFICABLE", u"S"_s);
    files[u"Formula1"_s].file().add(f);
    Record r(files[u"Dolar"_s].table());
    r.setDate("DOL:FECHA", Date::fromYmd(2024, 6, 13));
    r.setDecimal("DOL:COTIZACION", Decimal(900));
    files[u"Dolar"_s].file().add(r);
    layer->commit();
    for (const char* t : {"Basicos", "Formula1", "Formula2", "Dolar", "Terminado"}) files[QString::fromLatin1(t)].close();
  }
  QString pdf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer};
  std::vector<BasicCostTerms> terms;
  std::vector<Decimal> quantities;
  QStringList descriptions, codes;
};

std::unique_ptr<Station> station;

void BM_CostSheetProcedureToPdf(benchmark::State& state) {
  ScriptedChoices answers;
  answers.answer(u"vista-previa"_s, u"Imprimir"_s);
  answers.answer(u"vista-previa-paginas"_s, QString());
  ChoicesScope scope(answers);
  for (auto _ : state) {
    const ContextId context = ExecutionContext::create();
    {
      ContextGuard guard(context);
      FormulaCostSheet sheet(station->files, context, Decimal(1));
      sheet.report().setTarget(PrintTarget::pdfFile(station->pdf("sheet.pdf")));
      if (!sheet.start()) state.SkipWithError("the sheet did not start");
      if (sheet.process().runWithoutScreen() != ReportProcess::Response::Completed)
        state.SkipWithError("the sheet did not complete");
      sheet.finish();
    }
    station->files.dropContext(context);
    ExecutionContext::release(context);
  }
}

// The same values with plain Decimal arithmetic, the same page with the engine.
void BM_PlainValuesAndPage(benchmark::State& state) {
  for (auto _ : state) {
    Report report(u"Formula de Produccion"_s);
    buildCostSheetLayout(report);
    report.setTarget(PrintTarget::pdfFile(station->pdf("plain.pdf")));
    report.open();
    report.print(costsheet::kHeading);
    Decimal totalQuantity, totalCost;
    for (int i = 0; i < kLines; ++i) {
      const Decimal cost = lineCost(station->terms[static_cast<std::size_t>(i)], Decimal(900),
                                    station->quantities[static_cast<std::size_t>(i)]);
      totalQuantity += station->quantities[static_cast<std::size_t>(i)];
      totalCost += cost;
      report.control(costsheet::kLineCode)->setText(station->codes[i]);
      report.control(costsheet::kLineDescription)->setText(station->descriptions[i]);
      report.control(costsheet::kLineQuantity)->setValue(station->quantities[static_cast<std::size_t>(i)]);
      report.control(costsheet::kLineCost)->setValue(cost);
      report.print(costsheet::kDetail);
    }
    report.control(costsheet::kTotalQuantity)->setValue(totalQuantity);
    report.control(costsheet::kTotalCost)->setValue(totalCost);
    report.print(costsheet::kTotals);
    report.endReport();
    if (!report.printAll()) state.SkipWithError("the page was not written");
  }
}

}  // namespace

BENCHMARK(BM_CostSheetProcedureToPdf)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PlainValuesAndPage)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
  return bv::bench::runRatioMain(
      argc, argv, {"Procedure", "Plain", "cost sheet of 32 lines to PDF / plain values and the same page"},
      [] { station = std::make_unique<Station>(); },
      [] {
        station.reset();
        Clock::clear();
      });
}
