// The listings as the menu starts them: the range window hands its bounds
// over in the globals and starts the report; the report procedures ask the
// sort order (the product listing), print to the preview, and end.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>

#include "printing/labels/label_fill.h"
#include "printing/listings/range_window.h"
#include "printing/listings/sort_window.h"
#include "printing/printing_procedures.h"
#include "shell/globals.h"
#include "shell/procedure_launcher.h"
#include "tests/printing/printing_fixture.h"

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

// Answers the sort window from a script and keeps the rows the preview was
// given, then leaves it.
class PreviewAnswers : public Choices {
 public:
  std::optional<QString> choose(const Choice& choice) override {
    asked << choice.id;
    if (choice.id == QLatin1String(SortWindow::kChoiceId)) return sort;
    return u"Salir"_s;
  }
  QStringList asked;
  std::optional<QString> sort = u"Por Codigo de producto"_s;
};

class ListingProceduresTest : public PrintingTest {
 protected:
  ListingProceduresTest() {
    area.resize(800, 600);
    registerPrintingProcedures(registry, files);
  }
  ~ListingProceduresTest() override { glo().clear(); }

  void run(const QString& name) {
    ChoicesScope scope(answers);
    ProcedureLauncher launcher(registry, &area);
    ASSERT_NE(launcher.start(name), 0u);
    QElapsedTimer waited;
    waited.start();
    while (launcher.running() != 0 && waited.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(launcher.running(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QMdiArea area;
  ProcedureRegistry registry;
  PreviewAnswers answers;
};

TEST_F(ListingProceduresTest, TheRangeWindowPutsItsBoundsInTheGlobalsAndStartsTheReport) {
  ListingRangeWindow w(ListingRangeWindow::Kind::Products);
  QStringList started;
  w.setStarter([&](const QString& name) {
    started << name;
    return ContextId(9);
  });
  w.findChild<QLineEdit*>(u"?GLO:DESDETERMINADO"_s)->setText(u"A"_s);
  w.findChild<QLineEdit*>(u"?GLO:HASTATERMINADO"_s)->setText(u"ZZ"_s);
  w.findChild<QLineEdit*>(u"?Glo:LIH"_s)->setText(u"12"_s);
  w.findChild<QLineEdit*>(u"?Glo:MAD"_s)->setText(u"3"_s);
  w.print();
  EXPECT_EQ(started, QStringList{u"ReporteListadoTerminados"_s});
  EXPECT_EQ(glo().DESDETERMINADO, u"A         "_s);
  EXPECT_EQ(glo().HASTATERMINADO, u"ZZ        "_s);
  EXPECT_EQ(glo().LIH, Decimal(12));
  EXPECT_EQ(glo().MAD, Decimal(3));
  EXPECT_EQ(glo().CAH, Decimal(0));
  // The formula listing's window has no numeric bounds.
  ListingRangeWindow formulas(ListingRangeWindow::Kind::Formulas);
  EXPECT_EQ(formulas.findChild<QLineEdit*>(u"?Glo:LID"_s), nullptr);
  EXPECT_EQ(formulas.reportProcedure(), u"ReporteListadoFormulas"_s);
}

TEST_F(ListingProceduresTest, TheProductReportAsksTheOrderAndACancelPrintsNothing) {
  product("P1", u"Uno"_s);
  glo().DESDETERMINADO = u"P"_s;
  glo().HASTATERMINADO = u"PZ"_s;
  run(u"ReporteListadoTerminados"_s);
  EXPECT_EQ(answers.asked, (QStringList{u"orden-listado"_s, u"vista-previa"_s}));
  EXPECT_TRUE(area.subWindowList().isEmpty());

  answers.asked.clear();
  answers.sort = std::nullopt;
  run(u"ReporteListadoTerminados"_s);
  EXPECT_EQ(answers.asked, QStringList{u"orden-listado"_s});
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ListingProceduresTest, TheFormulaReportWithNothingInRangeShowsNoRecords) {
  formula(1, "T1");
  glo().DESDETERMINADO = u"X"_s;
  glo().HASTATERMINADO = u"Y"_s;
  run(u"ReporteListadoFormulas"_s);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].title(), u"No hay Registros"_s);
  EXPECT_TRUE(answers.asked.isEmpty());

  glo().HASTATERMINADO = u"TZ"_s;
  glo().DESDETERMINADO = u"T"_s;
  run(u"ReporteListadoFormulas"_s);
  EXPECT_EQ(answers.asked, QStringList{u"vista-previa"_s});
}

TEST_F(ListingProceduresTest, TheLabelSheetPrintsTheWorkTableToThePreview) {
  ASSERT_EQ(LabelFill(files, context).fill({2, 1}), kLevelBenign);  // one blank row
  run(u"ImprimirEtiquetas2"_s);
  EXPECT_EQ(answers.asked, QStringList{u"vista-previa"_s});
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
