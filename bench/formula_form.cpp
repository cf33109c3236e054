// Opening the formula form on a formula of 32 lines (its header, its lines
// read with each line's basic product, the totals) against opening it on a
// formula of 1 line, from the formula list as the user does. Prints the ratio
// (aimed at 2 or less).
#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "production/formulas/formulas_windows.h"
#include "shell/browse/list_window.h"
#include "shell/call_window.h"
#include "shell/child_window.h"
#include "shell/form/form_window.h"
#include "shell/globals.h"
#include "shell/request_codes.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

struct Station {
  explicit Station(int lines) {
    const char* tables[] = {"Basicos", "Formula1", "Formula2", "Terminado"};
    for (const char* t : tables) {
      FileManager& m = files[QString::fromLatin1(t)];
      m.open();
      m.use();
      m.file().markForTransaction();
    }
    layer->beginTransaction(2);
    for (int i = 0; i < lines; ++i) {
      Record b(files[u"Basicos"_s].table());
      b.setText("BAS:CODIGO", u"B%1"_s.arg(i, 3, 10, QChar(u'0')));
      b.setText("BAS:DESCRIPCION", u"Basico %1"_s.arg(i));
      b.setDecimal("BAS:PESO_ESPECIFICO", 1);
      files[u"Basicos"_s].file().add(b);
      Record l(files[u"Formula2"_s].table());
      l.setDecimal("FOR2:CODIGO_FORMULA", 1);
      l.setText("FOR2:CODIGO_BASICO", b.text("BAS:CODIGO"));
      l.setDecimal("FOR2:CANTIDAD", Decimal(1 + i));
      files[u"Formula2"_s].file().add(l);
    }
    Record t(files[u"Terminado"_s].table());
    t.setText("TER:CODIGO", u"T1"_s);
    t.setText("TER:DESCRIPCION", u"Esmalte"_s);
    files[u"Terminado"_s].file().add(t);
    Record f(files[u"Formula1"_s].table());
    f.setDecimal("FOR1:CODIGO_FORMULA", 1);
    f.setText("FOR1:CODIGO_TERMINADO", u"T1"_s);
    f.setText("FOR1:MODIFICABLE", u"S"_s);
    // Dated, so that opening it changes nothing and closing it asks nothing.
    f.setDate("FOR1:FECHA", Date::fromYmd(2024, 6, 14));
    files[u"Formula1"_s].file().add(f);
    layer->commit();
    for (const char* t : tables) files[QString::fromLatin1(t)].close();
    area.resize(1000, 700);
    area.show();
    context = ExecutionContext::create();
    ContextGuard guard(context);
    setGlobalRequest(kNoRequest);
    std::unique_ptr<ListWindow> made = makeList(formulas::browseFormulas(), relations);
    list = made.get();
    openChildWindow(area, std::move(made), u"BrowseFormulas"_s);
    QCoreApplication::processEvents();
  }
  ~Station() {
    for (QMdiSubWindow* w : area.subWindowList()) delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ExecutionContext::release(context);
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer};
  RelationManagers relations{files};
  QMdiArea area;
  ContextId context = 0;
  ListWindow* list = nullptr;
};

void openForm(benchmark::State& state, Station& station) {
  for (auto _ : state) {
    {
      ContextGuard guard(station.context);
      station.list->setCurrentRow(0);
      station.list->ask(kChangeRecord);
    }
    QCoreApplication::processEvents();
    FormWindow* form = nullptr;
    for (QMdiSubWindow* sub : station.area.subWindowList())
      if (auto* f = qobject_cast<FormWindow*>(sub->widget())) form = f;
    if (!form) {
      state.SkipWithError("the form did not open");
      break;
    }
    benchmark::DoNotOptimize(form->isVisible());
    // Nothing changed: the form closes without a question.
    frameOf(form)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

std::unique_ptr<Station> one, many;

void BM_FormulaFormOf1Line(benchmark::State& state) {
  if (!one) one = std::make_unique<Station>(1);
  openForm(state, *one);
}

void BM_FormulaFormOf32Lines(benchmark::State& state) {
  if (!many) many = std::make_unique<Station>(32);
  openForm(state, *many);
}

}  // namespace

BENCHMARK(BM_FormulaFormOf1Line)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FormulaFormOf32Lines)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
  return bv::bench::runRatioMain(
      argc, argv, {"Of32Lines", "Of1Line", "opening the formula form, 32 lines / 1 line"},
      [] { glo().ModificaFormulas = u"S"_s; },
      [] {
        one.reset();
        many.reset();
      });
}
