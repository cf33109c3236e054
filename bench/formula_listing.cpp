// The formula listing of 10,000 formulas (with 50,000 lines on file) to PDF,
// through the procedure the range window starts (tables opened, the view in
// FOR1:KEYTER order within the code bounds, each formula's product read, one
// detail printed per formula, the pages written), against reading the same
// view with the same product reads and no report. Prints the ratio (aimed at
// 3 or less).
#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"

#include <QTemporaryDir>

#include "printing/listings/formula_listing.h"
#include "printing/related_record.h"
#include "runtime/choices.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

constexpr int kFormulas = 10000;
constexpr int kLinesPerFormula = 5;

QString productCode(int i) { return u"T%1"_s.arg(i, 6, 10, QChar(u'0')); }

struct Station {
  Station() {
    const char* tables[] = {"Formula1", "Formula2", "Terminado"};
    for (const char* t : tables) {
      FileManager& m = files[QString::fromLatin1(t)];
      m.open();
      m.use();
      m.file().markForTransaction();
    }
    layer->beginTransaction(2);
    FileManager& formulas = files[u"Formula1"_s];
    FileManager& lines = files[u"Formula2"_s];
    FileManager& products = files[u"Terminado"_s];
    for (int i = 0; i < kFormulas; ++i) {
      // Numbered against the product's order, so the key order is not file order.
      const int number = kFormulas - i;
      Record p(products.table());
      p.setText("TER:CODIGO", productCode(i));
      p.setText("TER:DESCRIPCION", u"Producto terminado numero %1"_s.arg(i));
      products.file().add(p);
      Record f(formulas.table());
      f.setDecimal("FOR1:CODIGO_FORMULA", number);
      f.setText("FOR1:CODIGO_TERMINADO", productCode(i));
      f.setDecimal("FOR1:CANTIDAD", Decimal(100));
      f.setDecimal("FOR1:PESO_ESPECIFICO", Decimal(1));
      f.setText("FOR1:MODIFICABLE", u"S"_s);
      formulas.file().add(f);
      for (int k = 0; k < kLinesPerFormula; ++k) {
        Record l(lines.table());
        l.setDecimal("FOR2:CODIGO_FORMULA", number);
        l.setText("FOR2:CODIGO_BASICO", u"B%1"_s.arg(k));
        l.setDecimal("FOR2:CANTIDAD", Decimal(k + 1));
        lines.file().add(l);
      }
    }
    layer->commit();
    for (const char* t : tables) files[QString::fromLatin1(t)].close();
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer};
  ListingBounds bounds{u"T"_s, u"TZ"_s, {}, {}, {}, {}, {}, {}};
};

std::unique_ptr<Station> station;

// Runs `body` in an execution context of its own, dropped afterwards.
template <typename F>
void inOwnContext(F&& body) {
  const ContextId context = ExecutionContext::create();
  {
    ContextGuard guard(context);
    body(context);
  }
  station->files.dropContext(context);
  ExecutionContext::release(context);
}

void BM_FormulaListingProcedureToPdf(benchmark::State& state) {
  ScriptedChoices answers;
  answers.answer(u"vista-previa"_s, u"Imprimir"_s);
  answers.answer(u"vista-previa-paginas"_s, QString());
  ChoicesScope scope(answers);
  for (auto _ : state)
    inOwnContext([&](ContextId context) {
      FormulaListing listing(station->files, context, station->bounds);
      listing.report().setTarget(PrintTarget::pdfFile(station->dir.filePath(u"formulas.pdf"_s)));
      if (!listing.start()) state.SkipWithError("the listing did not start");
      if (listing.process().runWithoutScreen() != ReportProcess::Response::Completed)
        state.SkipWithError("the listing did not complete");
      listing.finish();
    });
}

// The same view and the same product reads, without a report.
void BM_ReadingTheSameView(benchmark::State& state) {
  for (auto _ : state)
    inOwnContext([&](ContextId) {
      FileManager& formulas = station->files[u"Formula1"_s];
      FileManager& products = station->files[u"Terminado"_s];
      formulas.open();
      products.open();
      ViewManager view(formulas);
      view.addSortOrder(formulas.keyDef(u"FOR1:KEYTER"));
      const QString from = station->bounds.fromProduct, to = station->bounds.toProduct;
      view.setRangePair(*formulas.table().field(u"FOR1:CODIGO_TERMINADO"), [from] { return FieldValue(from); },
                        [to] { return FieldValue(to); });
      view.open();
      view.reset();
      int read = 0;
      while (view.next() == 0) {
        fetchOrClear(products, "TER:CODIGO", formulas.buffer().value("FOR1:CODIGO_TERMINADO"), u"TER:KEYCOD"_s);
        benchmark::DoNotOptimize(products.buffer().text("TER:DESCRIPCION"));
        ++read;
      }
      view.close();
      products.close();
      formulas.close();
      if (read != kFormulas) state.SkipWithError("the view did not read every formula");
    });
}

}  // namespace

BENCHMARK(BM_FormulaListingProcedureToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadingTheSameView)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
  return bv::bench::runRatioMain(
      argc, argv,
      {"Procedure", "Reading", "formula listing of 10000 formulas to PDF / reading the same view"},
      [] { station = std::make_unique<Station>(); }, [] { station.reset(); });
}
