// Choosing the output: the output-type windows (answered through the choices
// interface, as without a screen), the worker each answer gives, the facade's
// answers, the export-type window and file name of RUN, and the window itself.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include "kalrep/export_codes.h"
#include "kalrep/option_window.h"
#include "kalrep/output_menus.h"
#include "kalrep/user_questions.h"
#include "kalrep_test_support.h"
#include "runtime/choices.h"
#include "runtime/scripted_presenter.h"

namespace bv::test {
namespace {

QStringList labels(const OutputMenu& m) {
  QStringList out;
  for (const OutputOption& o : m.options) out.append(o.label + u'=' + QString::number(o.code));
  return out;
}

TEST(OutputMenus, TheThreeWindowsWithTheirChoicesAndPreselection) {
  const OutputMenu general = outputTypeMenu(10);
  EXPECT_EQ(general.title, QStringLiteral("Seleccione el Tipo de Salida"));
  EXPECT_EQ(labels(general),
            QStringList({"Imp.=10", "&CSV=1", "E&xcel=2", "&RTF=5", "&Html=3", "&DBF=4"}));
  EXPECT_EQ(general.options[0].description, QStringLiteral("Salida por Impresora"));
  EXPECT_EQ(general.options[3].description,
            QStringLiteral("Archivo con formato RTF compatible con Procesador de Texto"));
  EXPECT_EQ(general.preselected, 10);
  EXPECT_EQ(outputTypeMenu(3).preselected, 3);

  const OutputMenu text = outputTypeMenu(114);
  EXPECT_EQ(labels(text), QStringList({"&Imp.=10", "&Laser=13", "&Texto=14", "&CSV=1", "E&xcel=2",
                                       "&RTF=5", "&Html=3", "&DBF=4"}));
  EXPECT_EQ(text.options[0].description, QStringLiteral("Salida por Impresora Matricial"));
  EXPECT_EQ(text.options[1].description,
            QStringLiteral("Salida por Impresora Laser o Chorro de Tinta"));
  EXPECT_EQ(text.options[2].description, QStringLiteral("Archivo de Texto plano"));
  EXPECT_EQ(text.preselected, 10);  // plain text is preselected as the printer
  EXPECT_EQ(outputTypeMenu(113).preselected, 13);

  const OutputMenu files = outputTypeMenu(12);
  EXPECT_EQ(labels(files), QStringList({"&CSV=1", "E&xcel=2", "&RTF=5", "&Html=3", "&DBF=4"}));
  EXPECT_EQ(files.preselected, 2);

  const OutputMenu exportType = exportTypeMenu();
  EXPECT_EQ(exportType.title, QString::fromUtf8("Seleccione el Tipo de Exportación"));
  EXPECT_EQ(labels(exportType), QStringList({"&CSV=1", "E&xcel=2", "&RTF=5", "&Html=3"}));
}

TEST(OutputMenus, AnswersByLabelDescriptionOrCode) {
  const OutputMenu m = outputTypeMenu(114);
  EXPECT_EQ(codeOfAnswer(m, QStringLiteral("excel")), 2);
  EXPECT_EQ(codeOfAnswer(m, QStringLiteral("&Laser")), 13);
  EXPECT_EQ(codeOfAnswer(m, QStringLiteral("Archivo de Texto plano")), 14);
  EXPECT_EQ(codeOfAnswer(m, QStringLiteral("4")), 4);
  EXPECT_EQ(codeOfAnswer(m, QString()), 10);  // the preselected one
  EXPECT_EQ(codeOfAnswer(m, QStringLiteral("PDF")), kal::kCancelled);
}

class Selection : public ::testing::Test {
 protected:
  kal::Byte init(KExportManager& e, kal::Byte type, kal::Byte choice) {
    return e.INIT(dir.filePath(QStringLiteral("salida")), QStringLiteral("TEST:Salida"),
                  dir.filePath(QStringLiteral("bravent.INI")), type, 1, 1, choice);
  }
  QTemporaryDir dir;
  ScriptedChoices choices;
  ChoicesScope scope{choices};
};

TEST_F(Selection, AFileChoiceMakesTheProcessWorker) {
  choices.answer(QStringLiteral("tipo-salida"), QStringLiteral("Excel"));
  KExportManager e;
  ASSERT_TRUE(init(e, 0, 10));
  ASSERT_EQ(choices.asked().size(), 1u);
  const Choice& asked = choices.asked()[0];
  EXPECT_EQ(asked.title, QStringLiteral("Seleccione el Tipo de Salida"));
  EXPECT_EQ(asked.options, QStringList({"Imp.", "CSV", "Excel", "RTF", "Html", "DBF"}));
  EXPECT_EQ(asked.defaultValue, QStringLiteral("Imp."));
  EXPECT_EQ(e.EXPORTTYPE(), kal::kSpreadsheet);
  EXPECT_EQ(e.TEXTEXPT, kal::kCancelled);
  EXPECT_TRUE(e.EXITNOW());
  EXPECT_FALSE(e.ISAREPORT());
  ASSERT_TRUE(e.P);
  EXPECT_FALSE(e.R);
  EXPECT_EQ(e.P->EXPORTTYPE, kal::kSpreadsheet);
  EXPECT_EQ(e.P->INIENTRYNAME, QStringLiteral("TEST:Salida"));
  EXPECT_EQ(e.P->layout().WITHPAGE, 0);
}

TEST_F(Selection, LaserAndPlainTextAreHandledAsThePrinter) {
  for (const char* answer : {"Laser", "Texto"}) {
    choices.answer(QStringLiteral("tipo-salida"), QString::fromLatin1(answer));
    KExportManager e;
    ASSERT_TRUE(init(e, kal::kWithText, 14));
    EXPECT_EQ(choices.asked().back().defaultValue, QStringLiteral("Imp."));
    EXPECT_EQ(choices.asked().back().options.size(), 8);
    EXPECT_EQ(e.EXPORTTYPE(), kal::kPrinter);
    EXPECT_EQ(e.TEXTEXPT, answer[0] == 'L' ? kal::kLaser : kal::kPlainText);
    EXPECT_FALSE(e.EXITNOW());
    EXPECT_TRUE(e.ISAREPORT());
    ASSERT_TRUE(e.R);
    EXPECT_FALSE(e.P);
    EXPECT_EQ(e.R->layout().WITHPAGE, 1);
    EXPECT_EQ(e.R->TOTEXTHORIZONTAL, QStringLiteral("-"));
    // The printer side never fails a record and writes no file.
    EXPECT_TRUE(e.OPEN());
    EXPECT_TRUE(e.TAKERECORD());
    EXPECT_TRUE(e.FORCELINE(QStringLiteral("x"), QStringLiteral("L"), 0, 0));
  }
}

TEST_F(Selection, CancellingEndsWithoutOutput) {
  choices.answer(QStringLiteral("tipo-salida"), std::nullopt);
  KExportManager e;
  EXPECT_FALSE(init(e, 0, 10));
  EXPECT_EQ(e.EXPORTTYPE(), 0);
  EXPECT_FALSE(e.P);
  EXPECT_FALSE(e.R);
}

TEST_F(Selection, TypeTwelveOffersTheFilesAndAFixedTypeAsksNothing) {
  KExportManager files;
  ASSERT_TRUE(init(files, kal::kFilesOnly, kal::kFilesOnly));  // unanswered: the default
  EXPECT_EQ(choices.asked().back().defaultValue, QStringLiteral("Excel"));
  EXPECT_EQ(files.EXPORTTYPE(), kal::kSpreadsheet);

  const std::size_t before = choices.asked().size();
  KExportManager fixed;
  ASSERT_TRUE(init(fixed, kal::kSpreadsheet, 10));
  EXPECT_EQ(choices.asked().size(), before);
  EXPECT_EQ(fixed.EXPORTTYPE(), kal::kSpreadsheet);
}

// A caller's SETUP and SETFACE reach the printer worker.
class PrinterCaller : public KExportManager {
 public:
  void SETUP() override {
    TOTEXT = 1;
    MYHEADER = 1;
    MYDETAIL = 2;
    KALCOLHTEXTO = 0x0000FF;
    KALCOLHFONDO = 0xC0C0C0;
    KExportManager::SETUP();
    SETFACE(0, QStringLiteral("C"), 1, 0, 1, 1, QStringLiteral("H"), QStringLiteral("Listado"), 9,
            &titles, 0);
  }
  QStringList titles{QStringLiteral("Linea 1")};
};

TEST_F(Selection, SetupAndSetfaceReachThePrinterWorker) {
  PrinterCaller e;
  ASSERT_TRUE(init(e, kal::kPrinter, 0));
  ASSERT_TRUE(e.R);
  EXPECT_EQ(e.R->TOTEXT, 1);
  EXPECT_EQ(e.R->MYDETAIL, 2);
  EXPECT_EQ(e.R->KALCOLHTEXTO, 0x0000FF);
  const ColumnLayout& l = e.R->layout();
  EXPECT_EQ(l.KAL_JUSTIFICACION, QStringLiteral("C"));
  EXPECT_EQ(l.KAL_HORIZONTAL, QStringLiteral("H"));
  EXPECT_EQ(l.KAL_TITULO, QStringLiteral("Listado"));
  EXPECT_EQ(l.KAL_TIPO_HOJA_AUX, 9);
  EXPECT_EQ(l.KAL_HORA_SI, 0);
  EXPECT_EQ(e.R->TITULOS, &e.titles);
  ASSERT_TRUE(e.OPEN());
  EXPECT_EQ(e.WITHCOLOR, 1);
}

TEST_F(Selection, RunAsksTheExportTypeAndTheFileName) {
  // An answer that picks no choice leaves the code 0: RUN asks again.
  choices.answer(QStringLiteral("tipo-salida"), QString());
  choices.answer(QStringLiteral("tipo-exportacion"), QStringLiteral("Html"));
  choices.answer(QStringLiteral("archivo-salida"), dir.filePath(QStringLiteral("listado")));
  KExportManager e;
  ASSERT_TRUE(e.INIT(QString(), QStringLiteral("TEST:Run"), dir.filePath(QStringLiteral("b.INI")),
                     0, 1, 1, 0));
  ASSERT_TRUE(e.P);
  EXPECT_EQ(e.P->EXPORTTYPE, 0);
  QString text;
  e.ADDFIELD(text, QStringLiteral("@s10"), QStringLiteral("L"), QStringLiteral("Texto"), 40);
  ASSERT_TRUE(e.RUN());
  EXPECT_EQ(choices.asked()[1].defaultValue, QStringLiteral("CSV"));
  EXPECT_EQ(choices.asked()[2].title, QStringLiteral("Seleccione el archivo"));
  EXPECT_EQ(e.P->EXPORTTYPE, kal::kHtml);
  EXPECT_EQ(e.P->FILENAME, dir.filePath(QStringLiteral("listado.HTM")));
  EXPECT_EQ(e.P->VISIBLECOL, 1);
}

TEST_F(Selection, CancellingTheFileNameStopsRun) {
  choices.answer(QStringLiteral("archivo-salida"), std::nullopt);
  KExportManager e;
  ASSERT_TRUE(e.INIT(QString(), QStringLiteral("TEST:Run"), dir.filePath(QStringLiteral("b.INI")),
                     kal::kCsv, 1, 1, 0));
  EXPECT_FALSE(e.RUN());
}

TEST_F(Selection, OpenOpensOnce) {
  QString text = QStringLiteral("uno");
  KExportManager e;
  e.QUOTECHAR = QStringLiteral("\"");
  ASSERT_TRUE(init(e, kal::kCsv, 0));
  e.ADDFIELD(text, QStringLiteral("@s10"), QStringLiteral("L"), QStringLiteral("T"), 40);
  ASSERT_TRUE(e.RUN());
  for (const char* value : {"uno", "dos", "tres"}) {
    text = QString::fromLatin1(value);
    ASSERT_TRUE(e.OPEN());  // a second real opening would empty the file
    ASSERT_TRUE(e.TAKERECORD());
  }
  e.CLOSE();
  EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("salida"))),
            QByteArray("\"T\"\r\n\"uno\"\r\n\"dos\"\r\n\"tres\"\r\n"));
}

TEST(FileNames, TheTypesExtensionIsAddedWhenTheNameHasNone) {
  EXPECT_EQ(withDefaultExtension(QStringLiteral("lista"), kal::kCsv), QStringLiteral("lista.CSV"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("lista.txt"), kal::kCsv),
            QStringLiteral("lista.txt"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("lista.html"), kal::kHtml),
            QStringLiteral("lista.html.HTM"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("a.b"), kal::kRtf), QStringLiteral("a.b.RTF"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("t"), kal::kDbf), QStringLiteral("t.DBF"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("libro"), kal::kSpreadsheet),
            QStringLiteral("libro.XLSX"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("libro.xls"), kal::kSpreadsheet),
            QStringLiteral("libro.xls"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("libro.Xlsx"), kal::kSpreadsheet),
            QStringLiteral("libro.Xlsx"));
  EXPECT_EQ(withDefaultExtension(QStringLiteral("libro.csv"), kal::kSpreadsheet),
            QStringLiteral("libro.csv.XLSX"));
  EXPECT_EQ(fileFilter(kal::kSpreadsheet), QStringLiteral("Excel|*.XLSX|Excel|*.XLSX|Todos|*.*"));
  EXPECT_EQ(fileFilter(kal::kDbf), QStringLiteral("DBASE|*.DBF|DBASE|*.DBF|Todos|*.*"));
}

TEST(OptionWindowTest, PreselectsAndAnswersTheCheckedChoice) {
  OptionWindow w(outputTypeMenu(114));
  auto* printer = w.findChild<QRadioButton*>(QStringLiteral("?OPCION:10"));
  auto* dbf = w.findChild<QRadioButton*>(QStringLiteral("?OPCION:4"));
  ASSERT_TRUE(printer && dbf);
  EXPECT_TRUE(printer->isChecked());
  // The library's own images are in its resources.
  for (const OutputOption& o : outputTypeMenu(114).options)
    EXPECT_TRUE(
        QFile::exists(QStringLiteral(":/kalrep/") + o.icon.chopped(4) + QStringLiteral(".png")))
        << o.icon.toStdString();
  EXPECT_FALSE(printer->icon().pixmap(32, 32).isNull());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Seleccione el Tipo de Salida"));
  dbf->setChecked(true);
  w.findChild<QPushButton*>(QStringLiteral("?ACEPTAR"))->click();
  EXPECT_EQ(w.answer(), kal::kDbf);

  OptionWindow cancelled(outputTypeMenu(10));
  cancelled.findChild<QPushButton*>(QStringLiteral("?CANCELAR"))->click();
  EXPECT_EQ(cancelled.answer(), kal::kCancelled);

  // With no choice checked "Aceptar" gives the code the caller preselected.
  OptionWindow none(outputTypeMenu(0));
  none.findChild<QPushButton*>(QStringLiteral("?ACEPTAR"))->click();
  EXPECT_EQ(none.answer(), 0);
}

TEST(About, ShowsTheVersion) {
  ScriptedPresenter messages;
  PresenterScope scope(messages);
  KExportManager e;
  e.ABOUT();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text().contains(QStringLiteral("5.5")));
}

}  // namespace
}  // namespace bv::test
