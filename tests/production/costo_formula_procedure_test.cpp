// CostoFormula started as the formula list starts it: the formula in
// Glo:Formula, a progress window in the frame's area, the preview at the end,
// and its window gone once the procedure has ended.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QCoreApplication>
#include <QElapsedTimer>

#include "production/production_procedures.h"
#include "shell/globals.h"
#include "shell/procedure_launcher.h"
#include "tests/production/cost_sheet_fixture.h"

namespace bv::test {
namespace {

class CostoFormulaProcedureTest : public CostSheetTables {
 protected:
  CostoFormulaProcedureTest() {
    area.resize(800, 600);
    registerProductionProcedures(registry, files);
  }
  ~CostoFormulaProcedureTest() override { glo().clear(); }

  // Starts the procedure on `formula` and waits for its end.
  void runOn(int formula) {
    glo().Formula = Decimal(formula);
    ProcedureLauncher launcher(registry, &area);
    ASSERT_TRUE(launcher.canStart(u"CostoFormula"_s));
    ASSERT_NE(launcher.start(u"CostoFormula"_s), 0u);
    QElapsedTimer waited;
    waited.start();
    while (launcher.running() != 0 && waited.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(launcher.running(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QMdiArea area;
  ProcedureRegistry registry;
  const Report* report = nullptr;
  PreviewReader preview{report};
  ChoicesScope choices{preview};
};

TEST_F(CostoFormulaProcedureTest, PrintsTheFormulaOfTheGlobalToThePreview) {
  runOn(7);
  // The preview was asked once, over the sheet's one page.
  EXPECT_EQ(preview.asked, 1);
  EXPECT_TRUE(presenter.shown().empty());
  EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(CostoFormulaProcedureTest, AFormulaThatDoesNotExistShowsNoRecordsAndEnds) {
  runOn(99);
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_EQ(presenter.shown()[0].title(), u"No hay Registros"_s);
  EXPECT_EQ(preview.asked, 0);
  EXPECT_TRUE(area.subWindowList().isEmpty());
}

}  // namespace
}  // namespace bv::test
