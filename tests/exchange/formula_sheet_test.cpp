// The formula sheet: Planilla made anew from the formulas, and the report
// RPT:GeneraPlanilla writing it through the export library to a file or to
// the printer, and the window "Generar Planilla" that runs both.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "exchange/exchange_procedures.h"
#include "exchange/formula_sheet_columns.h"
#include "exchange/formula_sheet_rebuild.h"
#include "exchange/formula_sheet_report.h"
#include "exchange/formula_sheet_window.h"
#include "exchange_fixture.h"
#include "kalrep/output_menus.h"
#include "shell/procedure_launcher.h"
#include "shell/procedure_registry.h"
#include "tests/kalrep/kalrep_test_support.h"

namespace bv::test {
namespace {

QStringList quantities(const Record& row) {
  QStringList out;
  for (int i = 1; i <= kSheetColumns; ++i) out << row.decimal("PLA:BASICO", i).toQString(4);
  return out;
}

QStringList zeros() { return QStringList(kSheetColumns, QStringLiteral("0.0000")); }

TEST(SheetColumns, LinesOfOneBasicProductAddUpInItsColumn) {
  QStringList codes;
  for (int i = 1; i <= 26; ++i) codes << QStringLiteral("B%1").arg(i, 2, 10, QChar(u'0'));
  const BasicColumns columns(codes);
  EXPECT_EQ(columns.columnOf(QStringLiteral("B01")), 1);
  EXPECT_EQ(columns.columnOf(QStringLiteral("B26")), 26);
  EXPECT_EQ(columns.columnOf(QStringLiteral("XX")), 0);
  const SheetQuantities q = sheetQuantities({{QStringLiteral("B02"), dec("1.5")},
                                             {QStringLiteral("B02"), dec("2.25")},
                                             {QStringLiteral("B25"), dec("4")},
                                             {QStringLiteral("B26"), dec("7")},  // no column
                                             {QStringLiteral("XX"), dec("9")}},  // not a basic
                                            columns);
  EXPECT_EQ(q[1], dec("3.75"));
  EXPECT_EQ(q[24], dec("4"));
  Decimal total;
  for (const Decimal& d : q) total += d;
  EXPECT_EQ(total, dec("7.75"));
}

class FormulaSheet : public ExchangeTest {};

TEST_F(FormulaSheet, RebuildMakesOneRowPerFormulaInProductOrder) {
  sampleFormulas();
  put("Planilla", [](Record& r) { r.setText("PLA:CODIGO", QStringLiteral("VIEJO")); });
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  const std::vector<Record> rows = sheet();
  ASSERT_EQ(rows.size(), 3u);  // the old row is gone

  // A formula without lines: a row of zeros; the description is cut to 40.
  EXPECT_EQ(rows[0].text("PLA:CODIGO"), QStringLiteral("T1"));
  EXPECT_EQ(rows[0].text("PLA:DESCRIPCION"), QString(40, u'D'));
  EXPECT_EQ(rows[0].decimal("PLA:PESOESP"), dec("1.1"));
  EXPECT_EQ(quantities(rows[0]), zeros());

  // Columns follow the code order of Basicos: B1, B2, B3.
  EXPECT_EQ(rows[1].text("PLA:CODIGO"), QStringLiteral("T2"));
  EXPECT_EQ(rows[1].text("PLA:DESCRIPCION"), QStringLiteral("Azul"));
  QStringList expected = zeros();
  expected[0] = QStringLiteral("1.0000");
  expected[2] = QStringLiteral("2.5000");
  EXPECT_EQ(quantities(rows[1]), expected);

  // A missing finished product still has its row, with a blank description; the
  // line of a basic product that is not in Basicos goes to no column.
  EXPECT_EQ(rows[2].text("PLA:CODIGO"), QStringLiteral("T9"));
  EXPECT_EQ(rows[2].text("PLA:DESCRIPCION"), QString());
  expected = zeros();
  expected[1] = QStringLiteral("0.5000");
  EXPECT_EQ(quantities(rows[2]), expected);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FormulaSheet, DelimitedTextHasTheHeadingsAndOneRowPerFormula) {
  sampleFormulas();
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  const QString out = path(QStringLiteral("planilla.csv"));
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("1"));
  choices.answer(QString::fromLatin1(kFileNameChoice), out);
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  ASSERT_TRUE(report.start());
  EXPECT_TRUE(report.exporter().EXITNOW());
  EXPECT_EQ(report.exporter().P->MYPICTUREQUEUE.size(), 25u);
  // The printer is preselected in the output-type window.
  ASSERT_FALSE(choices.asked().empty());
  EXPECT_EQ(choices.asked().front().defaultValue, QStringLiteral("Imp."));
  EXPECT_EQ(report.runWithoutScreen(), ReportProcess::Response::Completed);

  const QStringList lines = linesOf(out);
  ASSERT_EQ(lines.size(), 4);
  const QStringList headings = lines[0].split(u';');
  ASSERT_EQ(headings.size(), 25);
  EXPECT_EQ(headings[0], QStringLiteral("\"Codigo\""));
  EXPECT_EQ(headings[2], QStringLiteral("\"PesoEsp\""));
  EXPECT_EQ(headings[24], QStringLiteral("\"basico[22]\""));
  const QStringList t2 = lines[2].split(u';');
  ASSERT_EQ(t2.size(), 25);
  EXPECT_EQ(t2[0], QStringLiteral("\"T2\""));
  EXPECT_EQ(t2[1], QStringLiteral("\"Azul\""));
  EXPECT_EQ(t2[2], QStringLiteral("1.2345"));
  EXPECT_EQ(t2[3], QStringLiteral("1.0000"));
  EXPECT_EQ(t2[5], QStringLiteral("2.5000"));
  EXPECT_EQ(t2[24], QStringLiteral("\"0.0000\""));  // slot 22 is shown as text
  EXPECT_EQ(lines[3].split(u';')[1], QStringLiteral("\"\""));
}

TEST_F(FormulaSheet, TheWorkbookHasColumnsAToY) {
  sampleFormulas();
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  const QString out = path(QStringLiteral("planilla.xlsx"));
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("2"));
  choices.answer(QString::fromLatin1(kFileNameChoice), out);
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  ASSERT_TRUE(report.start());
  EXPECT_EQ(report.runWithoutScreen(), ReportProcess::Response::Completed);
  ASSERT_TRUE(QFile::exists(out));
  const auto cells = python({QStringLiteral("openpyxl")}, QStringLiteral(R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
print(ws.max_row, ws.max_column, ws['A1'].value, ws['Y1'].value, ws['A3'].value, ws['F3'].value)
)"),
                            {out});
  if (!cells) GTEST_SKIP() << "openpyxl is not installed";
  EXPECT_EQ(*cells, QStringLiteral("4 25 Codigo basico[22] T2 2.5"));
}

TEST_F(FormulaSheet, ThePrinterSheetPrintsItsDetailBandForEveryRow) {
  sampleFormulas();
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  const QString pdf = path(QStringLiteral("planilla.pdf"));
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("10"));
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  report.report().setTarget(PrintTarget::pdfFile(pdf));
  ASSERT_TRUE(report.start());
  EXPECT_FALSE(report.exporter().EXITNOW());
  ReportProcess& process = report.process();
  process.open();
  while (process.timerEvent() == 0) {
  }
  EXPECT_EQ(process.response(), ReportProcess::Response::Completed);
  report.report().endReport();
  ASSERT_GE(report.report().pageCount(), 1);
  const QStringList texts = report.report().pages()[0].texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("Listado")));
  EXPECT_TRUE(texts.contains(QStringLiteral("basico[22]")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Azul")));
  EXPECT_TRUE(texts.contains(QStringLiteral("T9")));
  PreviewOptions headless;
  headless.onScreen = false;
  EXPECT_TRUE(process.close(headless));
  report.finish();
  EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
}

TEST_F(FormulaSheet, CancellingTheOutputLeavesThePlanillaFilled) {
  sampleFormulas();
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  choices.answer(QString::fromLatin1(kOutputTypeChoice), std::nullopt);
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  EXPECT_FALSE(report.start());
  EXPECT_EQ(sheet().size(), 3u);

  // Cancelling the file name ends without output as well.
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("3"));
  choices.answer(QString::fromLatin1(kFileNameChoice), std::nullopt);
  FormulaSheetReport again(files, ExecutionContext::current(), ini());
  EXPECT_FALSE(again.start());
}

TEST_F(FormulaSheet, NoFormulasMeansNoRecordsToProcess) {
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  const QString out = path(QStringLiteral("vacia.csv"));
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("1"));
  choices.answer(QString::fromLatin1(kFileNameChoice), out);
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  ASSERT_TRUE(report.start());
  EXPECT_EQ(report.runWithoutScreen(), ReportProcess::Response::Cancelled);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].title(), QStringLiteral("No hay Registros"));
  EXPECT_FALSE(QFile::exists(out));
}

TEST_F(FormulaSheet, AFileThatCannotBeOpenedStopsTheReport) {
  sampleFormulas();
  ASSERT_EQ(rebuildFormulaSheet(files), 0);
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("1"));
  choices.answer(QString::fromLatin1(kFileNameChoice), path(QStringLiteral("no/existe/x.csv")));
  FormulaSheetReport report(files, ExecutionContext::current(), ini());
  ASSERT_TRUE(report.start());
  report.runWithoutScreen();
  EXPECT_TRUE(report.failed());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text().startsWith(
      QStringLiteral("Ocurrio un error al acceder al archivo:")));
}

TEST_F(FormulaSheet, TheWindowProcessesAndRunsTheReport) {
  ProcedureRegistry registry;
  registerExchangeProcedures(registry, relations);
  EXPECT_TRUE(registry.contains(QStringLiteral("GeneraPlanilla")));

  sampleFormulas();
  const QString out = path(QStringLiteral("ventana.csv"));
  choices.answer(QString::fromLatin1(kOutputTypeChoice), QStringLiteral("1"));
  choices.answer(QString::fromLatin1(kFileNameChoice), out);
  FormulaSheetWindow window(files, ExecutionContext::current());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Generar Planilla"));
  auto* process = window.findChild<QPushButton*>(QStringLiteral("?PROCESAR"));
  ASSERT_TRUE(process);
  EXPECT_EQ(process->text(), QStringLiteral("Procesar"));
  ASSERT_TRUE(window.findChild<QPushButton*>(QStringLiteral("?SALIR")));
  window.show();
  process->click();
  EXPECT_FALSE(process->isEnabled());  // while the report runs
  QElapsedTimer waited;
  waited.start();
  while (window.runningReport() && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(window.runningReport(), nullptr);
  EXPECT_TRUE(process->isEnabled());
  EXPECT_EQ(sheet().size(), 3u);
  EXPECT_EQ(linesOf(out).size(), 4);
}

TEST_F(FormulaSheet, SalirClosesTheWholeChildWindowAndEndsTheProcedure) {
  ProcedureRegistry registry;
  registerExchangeProcedures(registry, relations);
  QMdiArea area;
  area.show();
  ProcedureLauncher launcher(registry, &area);
  ASSERT_NE(launcher.start(QStringLiteral("GeneraPlanilla")), 0u);
  ASSERT_EQ(area.subWindowList().size(), 1);
  auto* quit = area.subWindowList().front()->findChild<QPushButton*>(QStringLiteral("?SALIR"));
  ASSERT_TRUE(quit);
  quit->click();
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(area.subWindowList().isEmpty());  // no empty frame left behind
  EXPECT_EQ(launcher.running(), 0);
}

}  // namespace
}  // namespace bv::test
