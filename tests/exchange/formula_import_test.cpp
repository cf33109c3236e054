// The spreadsheet import: the column map, the row checks, what a row writes
// (product only when missing, formula header created or updated, lines
// replaced, the specific weight), the blank-row end, bad workbooks, and the
// window "Importar Formulas".
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "exchange/exchange_procedures.h"
#include "exchange/formula_import.h"
#include "exchange/formula_import_window.h"
#include "exchange/import_row.h"
#include "shell/file_selection.h"
#include "shell/procedure_registry.h"
#include "tests/exchange/exchange_fixture.h"
#include "tests/kalrep/kalrep_test_support.h"
#include "tests/exchange/workbook_builder.h"
#include "tests/exchange/xls_builder.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

TEST(ImportColumns, SlotsRunFromDToAI) {
  EXPECT_EQ(importSlotOf(u"D"), 1);
  EXPECT_EQ(importSlotOf(u"Z"), 23);
  EXPECT_EQ(importSlotOf(u"AA"), 24);
  EXPECT_EQ(importSlotOf(u" ai "), 32);
  for (const char16_t* other : {u"C", u"AJ", u"", u"D1", u"1"}) EXPECT_EQ(importSlotOf(other), 0);
}

TEST(ImportRowCells, NumbersBlankTextAndGrouping) {
  EXPECT_EQ(cellNumber(u""_s), Decimal());
  EXPECT_EQ(cellNumber(u"  "_s), Decimal());
  EXPECT_EQ(cellNumber(u"12.5"_s), dec("12.5"));
  EXPECT_EQ(cellNumber(u"-1,234.5"_s), dec("-1234.5"));
  EXPECT_EQ(cellNumber(u"1.5E2"_s), dec("150"));
  EXPECT_FALSE(cellNumber(u"abc"_s));
  EXPECT_FALSE(cellNumber(u"12,5"_s));  // never read as 125
}

TEST(ImportRowCells, ARowIsRefusedWholeWithTheCellThatIsWrong) {
  std::array<QString, kImportCells> cells;
  cells[0] = u"ROJO"_s;
  cells[3] = u"10"_s;
  ASSERT_TRUE(parseImportRow(cells).row);

  auto refused = cells;
  refused[5] = u"diez"_s;  // F
  ParsedRow parsed = parseImportRow(refused);
  ASSERT_FALSE(parsed.row);
  EXPECT_EQ(parsed.refusal.column, 6);
  EXPECT_EQ(refusalText(7, u"ROJO"_s, parsed.refusal),
            u"La celda F7 no tiene un número|No se importó la formula ROJO"_s);

  refused = cells;
  refused[3] = u"100000"_s;  // FOR2:CANTIDAD holds up to 999.9999
  EXPECT_EQ(parseImportRow(refused).refusal.reason, RowRefusal::Reason::OutOfRange);
  refused = cells;
  refused[38] = u"1000"_s;  // TER:LINEA holds up to 999
  EXPECT_EQ(parseImportRow(refused).refusal.column, 39);

  refused = cells;
  refused[0] = u"ABCDEFGHIJKLMN"_s;  // 14 characters
  EXPECT_EQ(parseImportRow(refused).refusal.reason, RowRefusal::Reason::CodeTooLong);
  refused[0] = u"ABCDEFGHIJKLM   "_s;  // 13 and trailing blanks
  EXPECT_TRUE(parseImportRow(refused).row);
}

class FormulaImportTest : public ExchangeTest {
 protected:
  void basic(const char* code, const char* column, const char* density) {
    put("Basicos", [&](Record& r) {
      r.setText("BAS:CODIGO", QString::fromLatin1(code));
      r.setText("BAS:COLUMNA_EN_EXCEL", QString::fromLatin1(column));
      r.setDecimal("BAS:PESO_ESPECIFICO", dec(density));
      r.setText("BAS:MONEDA", u"D"_s);
    });
  }
  void lineTable(int code) {
    put("Linea", [&](Record& r) { r.setDecimal("LIN:CODIGO", Decimal(code)); });
  }
  // Two basics in D (density 2) and E (density 1), line 1.
  void catalogue() {
    basic("B1", "D", "2");
    basic("B2", "E", "1");
    lineTable(1);
  }

  ImportOutcome import(const QString& path) { return FormulaImport(files).run(path); }

  // "B1=100.0000/50.00" for each line of the formula.
  QStringList linesOf(int formula) {
    QStringList out;
    for (const Record& r : rows("Formula2"))
      if (r.decimal("FOR2:CODIGO_FORMULA") == Decimal(formula))
        out << r.text("FOR2:CODIGO_BASICO") + u"="_s + r.decimal("FOR2:CANTIDAD").toQString(4) + u"/"_s +
                   r.decimal("FOR2:VOLUMEN").toQString(2);
    return out;
  }
  // The texts of the boxes shown since the last forget().
  QStringList shownTexts() {
    QStringList out;
    for (std::size_t i = seen_; i < messages.shown().size(); ++i) out << messages.shown()[i].text();
    return out;
  }
  void forget() { seen_ = messages.shown().size(); }

  WorkbookBuilder book;

 private:
  std::size_t seen_ = 0;
};

TEST_F(FormulaImportTest, ANewRowCreatesTheProductTheFormulaAndItsLines) {
  catalogue();
  book.cell(u"A1"_s, u"Titulo que no se lee"_s)
      .cell(u"A3"_s, u"ROJO"_s)
      .cell(u"B3"_s, u"Rojo intenso"_s)
      .cell(u"C3"_s, u"9.9"_s)
      .cell(u"D3"_s, u"100"_s)
      .cell(u"E3"_s, u"50"_s)
      .cell(u"AJ3"_s, u"4.5"_s)
      .cell(u"AK3"_s, u"3"_s)
      .cell(u"AL3"_s, u"1"_s)
      .cell(u"AM3"_s, u"1"_s)
      .cell(u"AN3"_s, u"2"_s)
      .cell(u"AO3"_s, u"Mezcla"_s);
  const ImportOutcome outcome = import(book.save(path(u"libro.xlsx"_s)));
  EXPECT_EQ(outcome.end, ImportOutcome::End::Finished);
  EXPECT_EQ(outcome.imported, 1);
  // Row 3 and ten blank rows: the last row read is 13.
  EXPECT_EQ(outcome.closingText(), u"Proceso terminado correctamente|Cantidad de formulas procesadas 012"_s);
  EXPECT_TRUE(messages.shown().empty());

  const auto products = rows("Terminado");
  ASSERT_EQ(products.size(), 1u);
  EXPECT_EQ(products[0].text("TER:CODIGO"), u"ROJO"_s);
  EXPECT_EQ(products[0].text("TER:DESCRIPCION"), u"Rojo intenso"_s);
  EXPECT_EQ(products[0].decimal("TER:LINEA"), Decimal(1));
  EXPECT_EQ(products[0].decimal("TER:CARTA"), Decimal(2));
  EXPECT_EQ(products[0].text("TER:SISTEMA"), u"M"_s);

  const auto formulas = rows("Formula1");
  ASSERT_EQ(formulas.size(), 1u);
  const Record& f = formulas[0];
  EXPECT_EQ(f.text("FOR1:CODIGO_TERMINADO"), u"ROJO"_s);
  EXPECT_EQ(f.text("FOR1:MODIFICABLE"), u"S"_s);
  EXPECT_EQ(f.decimal("FOR1:CANTIDAD"), dec("4.5"));
  EXPECT_EQ(f.decimal("FOR1:REL1"), Decimal(3));
  EXPECT_EQ(f.decimal("FOR1:REL2"), Decimal(1));
  // 150 over the volumes 50 + 50: the sheet's 9.9 is replaced.
  EXPECT_EQ(f.decimal("FOR1:PESO_ESPECIFICO"), dec("1.5"));
  EXPECT_EQ(linesOf(f.decimal("FOR1:CODIGO_FORMULA").toInteger()),
            QStringList({u"B1=100.0000/50.00"_s, u"B2=50.0000/50.00"_s}));
}

TEST_F(FormulaImportTest, AnExistingFormulaHasItsLinesReplacedAndItsProductKept) {
  catalogue();
  basic("B3", "F", "0");  // no specific weight: volume 0
  put("Terminado", [](Record& r) {
    r.setText("TER:CODIGO", u"ROJO"_s);
    r.setText("TER:DESCRIPCION", u"El de siempre"_s);
    r.setDecimal("TER:LINEA", Decimal(1));
    r.setText("TER:SISTEMA", u"E"_s);
  });
  formula(7, "ROJO", "1.1");  // MODIFICABLE blank
  line(7, "B1", "30");
  line(7, "B2", "20");
  book.cell(u"A3"_s, u"ROJO"_s)
      .cell(u"B3"_s, u"Otro nombre"_s)
      .cell(u"D3"_s, u"10"_s)
      .cell(u"E3"_s, u"0"_s)
      .cell(u"F3"_s, u"5"_s)
      .cell(u"AM3"_s, u"9"_s)
      .cell(u"AO3"_s, u"M"_s);
  EXPECT_EQ(import(book.save(path(u"libro.xlsx"_s))).imported, 1);

  const auto products = rows("Terminado");
  ASSERT_EQ(products.size(), 1u);
  EXPECT_EQ(products[0].text("TER:DESCRIPCION"), u"El de siempre"_s);
  EXPECT_EQ(products[0].decimal("TER:LINEA"), Decimal(1));
  EXPECT_EQ(products[0].text("TER:SISTEMA"), u"E"_s);
  const auto formulas = rows("Formula1");
  ASSERT_EQ(formulas.size(), 1u);
  EXPECT_EQ(formulas[0].decimal("FOR1:CODIGO_FORMULA"), Decimal(7));
  EXPECT_EQ(formulas[0].text("FOR1:MODIFICABLE"), u"S"_s);
  EXPECT_EQ(linesOf(7), QStringList({u"B1=10.0000/5.00"_s, u"B3=5.0000/0.00"_s}));
  EXPECT_EQ(formulas[0].decimal("FOR1:PESO_ESPECIFICO"), dec("3"));  // 15 over 5
}

TEST_F(FormulaImportTest, TenBlankCodesEndTheImportEvenWithDataBetweenThem) {
  catalogue();
  book.cell(u"A1"_s, u"X"_s).cell(u"A2"_s, u"Y"_s);
  EXPECT_EQ(import(book.save(path(u"vacio.xlsx"_s))).closingText(),
            u"Proceso terminado correctamente|Cantidad de formulas procesadas 011"_s);
  EXPECT_TRUE(rows("Formula1").empty());

  // Blanks in rows 3..7 and 9..13: the code in row 8 is read, the one in 20 is not.
  WorkbookBuilder scattered;
  scattered.cell(u"A8"_s, u"UNO"_s).cell(u"D8"_s, u"1"_s).cell(u"A20"_s, u"DOS"_s).cell(u"D20"_s, u"1"_s);
  const ImportOutcome outcome = import(scattered.save(path(u"salteado.xlsx"_s)));
  EXPECT_EQ(outcome.imported, 1);
  EXPECT_EQ(outcome.lastRow, 13);
  ASSERT_EQ(rows("Formula1").size(), 1u);
  EXPECT_EQ(rows("Formula1")[0].text("FOR1:CODIGO_TERMINADO"), u"UNO"_s);
}

TEST_F(FormulaImportTest, BadRowsAreLeftOutWholeAndTheOthersImported) {
  catalogue();
  formula(7, "VIEJO", "1");
  line(7, "B1", "30");
  book.cell(u"A3"_s, u"VIEJO"_s).cell(u"D3"_s, u"10"_s).cell(u"E3"_s, u"mucho"_s)
      .cell(u"A4"_s, u"CODIGOMUYLARGO1"_s).cell(u"D4"_s, u"10"_s)
      .cell(u"A5"_s, u"GRANDE"_s).cell(u"D5"_s, u"123456789"_s)
      .cell(u"A6"_s, u"BUENO"_s).cell(u"D6"_s, u"2"_s).cell(u"AM6"_s, u"1"_s).cell(u"AO6"_s, u"M"_s);
  const ImportOutcome outcome = import(book.save(path(u"malo.xlsx"_s)));
  EXPECT_EQ(outcome.end, ImportOutcome::End::Finished);
  EXPECT_EQ(outcome.refused, 3);
  EXPECT_EQ(outcome.imported, 1);
  EXPECT_EQ(shownTexts(), QStringList({
                              u"La celda E3 no tiene un número|No se importó la formula VIEJO"_s,
                              u"El código de la celda A4 tiene más de 13 caracteres|No se importó la formula CODIGOMUYLARGO1"_s,
                              u"El número de la celda D5 está fuera de rango|No se importó la formula GRANDE"_s,
                          }));
  // The refused row left its formula as it was.
  EXPECT_EQ(linesOf(7), QStringList({u"B1=30.0000/0.00"_s}));
  QStringList codes;
  for (const Record& r : rows("Formula1")) codes << r.text("FOR1:CODIGO_TERMINADO");
  EXPECT_EQ(codes, QStringList({u"VIEJO"_s, u"BUENO"_s}));
}

TEST_F(FormulaImportTest, AnXlsWorkbookImportsLikeAnXlsxOne) {
  catalogue();
  QFile file(path(u"libro.xls"_s));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  // Row 3, columns A, D, E, AM, AO (from 0: 2; 0, 3, 4, 38, 40).
  file.write(XlsBuilder().text(2, 0, "ROJO").number(2, 3, 100).number(2, 4, 50).number(2, 38, 1).text(2, 40, "M").bytes());
  file.close();
  EXPECT_EQ(import(file.fileName()).imported, 1);
  ASSERT_EQ(rows("Formula1").size(), 1u);
  EXPECT_EQ(rows("Formula1")[0].decimal("FOR1:PESO_ESPECIFICO"), dec("1.5"));
  EXPECT_EQ(rows("Terminado").size(), 1u);
}

TEST_F(FormulaImportTest, AProductThatCannotBeAddedStillGetsItsFormula) {
  catalogue();
  // Line 4 is not in Linea: the product is refused by its own rule.
  book.cell(u"A3"_s, u"SINLINEA"_s).cell(u"D3"_s, u"2"_s).cell(u"AM3"_s, u"4"_s).cell(u"AO3"_s, u"M"_s);
  const ImportOutcome outcome = import(book.save(path(u"libro.xlsx"_s)));
  EXPECT_EQ(outcome.productsNotAdded, 1);
  EXPECT_EQ(shownTexts(), QStringList({u"No pudo dar de alta el terminado SINLINEA"_s}));
  EXPECT_TRUE(rows("Terminado").empty());
  ASSERT_EQ(rows("Formula1").size(), 1u);
}

TEST_F(FormulaImportTest, AWorkbookThatCannotBeReadIsNeverReportedAsImported) {
  catalogue();
  EXPECT_EQ(import(u"   "_s).end, ImportOutcome::End::BlankPath);
  EXPECT_EQ(shownTexts(), QStringList({u"Falta ingresar el nombre de la Planilla"_s}));

  QFile notABook(path(u"texto.xlsx"_s));
  ASSERT_TRUE(notABook.open(QIODevice::WriteOnly));
  notABook.write("esto no es un libro\n");
  notABook.close();
  for (const QString& file : {notABook.fileName(), path(u"no-existe.xls"_s)}) {
    forget();
    const ImportOutcome outcome = import(file);
    EXPECT_EQ(outcome.end, ImportOutcome::End::ReadError);
    EXPECT_EQ(shownTexts(), QStringList({u"Error de lectura en la planilla excel"_s}));
  }
  EXPECT_TRUE(rows("Formula1").empty());
}

TEST_F(FormulaImportTest, TheWindowImportsAndShowsTheClosingMessage) {
  ProcedureRegistry registry;
  registerExchangeProcedures(registry, relations);
  EXPECT_TRUE(registry.contains(u"ImportarPlanilla"_s));

  catalogue();
  const QString file = book.cell(u"A3"_s, u"ROJO"_s).cell(u"D3"_s, u"4"_s).cell(u"AM3"_s, u"1"_s).cell(u"AO3"_s, u"E"_s).save(path(u"libro.xlsx"_s));
  FormulaImportWindow window(files, ExecutionContext::current());
  EXPECT_EQ(window.windowTitle(), u"Importar Formulas"_s);
  auto* entry = window.findChild<QLineEdit*>(u"?PLANILLA"_s);
  auto* process = window.findChild<QPushButton*>(u"?PROCESAR"_s);
  auto* code = window.findChild<QLabel*>(u"?TER:CODIGO"_s);
  ASSERT_TRUE(entry && process && code);
  EXPECT_EQ(entry->maxLength(), 100);
  ASSERT_TRUE(window.findChild<QPushButton*>(u"?SALIR"_s));
  ASSERT_TRUE(window.findChild<QPushButton*>(u"?BUSCAR"_s));
  window.show();

  process->click();  // no path yet
  EXPECT_EQ(shownTexts(), QStringList({u"Falta ingresar el nombre de la Planilla"_s}));
  forget();

  // "..." asks for the file; without a screen the choice answers.
  choices.answer(FileSelection::kChoiceId, file);
  window.findChild<QPushButton*>(u"?BUSCAR"_s)->click();
  EXPECT_EQ(entry->text(), file);
  ASSERT_FALSE(choices.asked().empty());
  EXPECT_EQ(choices.asked().back().title, u"Planilla de Formulas a Importar"_s);
  process->click();
  EXPECT_EQ(code->text(), u"ROJO"_s);
  EXPECT_TRUE(process->isVisible());
  EXPECT_EQ(shownTexts(), QStringList({u"Proceso terminado correctamente|Cantidad de formulas procesadas 012"_s}));
  EXPECT_EQ(rows("Formula1").size(), 1u);
}

}  // namespace
}  // namespace bv::test
