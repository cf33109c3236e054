// Copying the formulas of one line to another: the code mapping, the checks,
// what a copy writes, that a failed copy leaves nothing and a repeated one
// adds nothing, and the window.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "exchange/formula_copy.h"
#include "exchange/formula_copy_window.h"
#include "shell/globals.h"
#include "tests/exchange/exchange_fixture.h"
#include "tests/kalrep/kalrep_test_support.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

TEST(FormulaCopyRules, CodesLineAndProgress) {
  EXPECT_EQ(mappedCode(u"01ROJO"_s, 2, u"07"_s), u"07ROJO"_s);
  EXPECT_EQ(mappedCode(u"01BASE   "_s, 2, u"B7"_s), u"B7BASE"_s);
  // The basics' own prefix is cut at the source line's length, whatever it is.
  EXPECT_EQ(mappedCode(u"X1BASE"_s, 2, u"B7"_s), u"B7BASE"_s);
  EXPECT_EQ(destinationLine(u"07"_s), Decimal(7));
  EXPECT_EQ(destinationLine(u"12 "_s), Decimal(12));
  EXPECT_EQ(destinationLine(u"B7"_s), Decimal());
  EXPECT_EQ(nextProgress(0), 1);
  EXPECT_EQ(nextProgress(98), 99);
  EXPECT_EQ(nextProgress(99), 45);
  EXPECT_EQ(missingInputs({u" "_s, u""_s, u"B"_s}), QList<int>({0, 1}));
}

class FormulaCopyTest : public ExchangeTest {
 protected:
  void basic(const char* code, const char* density) {
    put("Basicos", [&](Record& r) {
      r.setText("BAS:CODIGO", QString::fromLatin1(code));
      r.setDecimal("BAS:PESO_ESPECIFICO", dec(density));
      r.setText("BAS:MONEDA", u"D"_s);
    });
  }
  void product(const char* code, int lineNumber) {
    put("Terminado", [&](Record& r) {
      r.setText("TER:CODIGO", QString::fromLatin1(code));
      r.setText("TER:DESCRIPCION", u"Desc "_s + QString::fromLatin1(code));
      r.setDecimal("TER:LINEA", Decimal(lineNumber));
      r.setDecimal("TER:CARTA", Decimal(3));
      r.setDecimal("TER:MARCA", Decimal(4));
      r.setDecimal("TER:MARGENUTILIDAD", dec("35.5"));
      r.setText("TER:SISTEMA", u"E"_s);
      r.setMemo(u"Ficha de "_s + QString::fromLatin1(code));
    });
  }
  void lines(std::initializer_list<int> codes) {
    for (int code : codes) put("Linea", [&](Record& r) { r.setDecimal("LIN:CODIGO", Decimal(code)); });
  }
  // Line 01 with two products, one with a formula of 100 g of 01BASE and 50 g
  // of 01TINTA; basics B7 of specific weights 2 and 1.
  void sourceLine() {
    lines({1, 7});
    basic("01BASE", "1");
    basic("01TINTA", "1");
    basic("B7BASE", "2");
    basic("B7TINTA", "1");
    product("01ROJO", 1);
    product("01SOLO", 1);
    product("02OTRO", 2);
    put("Formula1", [](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(5));
      r.setText("FOR1:CODIGO_TERMINADO", u"01ROJO"_s);
      r.setText("FOR1:OBSERVACIONES", u"Base roja"_s);
      r.setDecimal("FOR1:CANTIDAD", dec("4"));
      r.setText("FOR1:MODIFICABLE", u"N"_s);
      r.setDecimal("FOR1:REL1", dec("3"));
    });
    line(5, "01BASE", "100");
    line(5, "01TINTA", "50");
  }

  QStringList titlesAndTexts() {
    QStringList out;
    for (const MessageBox& b : messages.shown()) out << b.title() + u": "_s + b.text();
    return out;
  }

  CopyOutcome copy(const char* s, const char* d, const char* b) {
    return FormulaCopy(files).run({QString::fromLatin1(s), QString::fromLatin1(d), QString::fromLatin1(b)});
  }
};

TEST_F(FormulaCopyTest, CopiesProductsFormulasAndLinesWithTheNewSpecificWeight) {
  sourceLine();
  const CopyOutcome outcome = copy("01", "07", "B7");
  EXPECT_EQ(outcome.end, CopyOutcome::End::Copied);
  EXPECT_EQ(outcome.products, 2);
  EXPECT_EQ(outcome.formulas, 1);
  EXPECT_EQ(titlesAndTexts(),
            QStringList({u"Control de Proceso: El proceso ha creado la nueva linea satisfactoriamente..."_s}));

  const auto products = rows("Terminado");
  ASSERT_EQ(products.size(), 5u);
  const Record& red = products[3];
  EXPECT_EQ(red.text("TER:CODIGO"), u"07ROJO"_s);
  EXPECT_EQ(red.text("TER:DESCRIPCION"), u"Desc 01ROJO"_s);
  EXPECT_EQ(red.decimal("TER:LINEA"), Decimal(7));
  EXPECT_EQ(red.decimal("TER:CARTA"), Decimal(3));
  EXPECT_EQ(red.decimal("TER:MARCA"), Decimal(4));
  EXPECT_EQ(red.decimal("TER:MARGENUTILIDAD"), dec("35.5"));
  EXPECT_EQ(red.text("TER:SISTEMA"), u"E"_s);
  EXPECT_EQ(red.memo(), u"Ficha de 01ROJO"_s);
  EXPECT_EQ(products[4].text("TER:CODIGO"), u"07SOLO"_s);  // without formula

  const auto formulas = rows("Formula1");
  ASSERT_EQ(formulas.size(), 2u);
  const Record& f = formulas[1];
  EXPECT_EQ(f.decimal("FOR1:CODIGO_FORMULA"), Decimal(6));  // the next number
  EXPECT_EQ(f.text("FOR1:CODIGO_TERMINADO"), u"07ROJO"_s);
  EXPECT_EQ(f.text("FOR1:OBSERVACIONES"), u"Base roja"_s);
  EXPECT_EQ(f.decimal("FOR1:CANTIDAD"), dec("4"));
  EXPECT_EQ(f.text("FOR1:MODIFICABLE"), u"N"_s);
  EXPECT_EQ(f.decimal("FOR1:REL1"), Decimal());  // not copied
  EXPECT_EQ(f.decimal("FOR1:PESO_ESPECIFICO"), dec("1.5"));
  QStringList copied;
  for (const Record& r : rows("Formula2"))
    if (r.decimal("FOR2:CODIGO_FORMULA") == Decimal(6))
      copied << r.text("FOR2:CODIGO_BASICO") + u" "_s + r.decimal("FOR2:CANTIDAD").toQString(0) + u" "_s +
                    r.decimal("FOR2:VOLUMEN").toQString(0);
  EXPECT_EQ(copied, QStringList({u"B7BASE 100 50"_s, u"B7TINTA 50 50"_s}));
}

TEST_F(FormulaCopyTest, ARepeatedCopyAddsNothingAndExistingCounterpartsStayAsTheyAre) {
  sourceLine();
  product("07ROJO", 7);  // there already, without formula
  EXPECT_EQ(copy("01", "07", "B7").products, 1);  // only 07SOLO
  EXPECT_EQ(rows("Formula1").size(), 1u);
  const auto before = rows("Terminado").size();
  const CopyOutcome again = copy("01", "07", "B7");
  EXPECT_EQ(again.end, CopyOutcome::End::Copied);
  EXPECT_EQ(again.products, 0);
  EXPECT_EQ(rows("Terminado").size(), before);
  EXPECT_EQ(rows("Formula2").size(), 2u);
}

TEST_F(FormulaCopyTest, AMissingBasicRollsTheWholeRunBack) {
  sourceLine();
  // 01AZUL copies fine before 01ROJO, whose copy needs B7TINTA, which is gone.
  product("01AZUL", 1);
  FileManager& basicos = files[u"Basicos"_s];
  ASSERT_EQ(basicos.open(), kLevelBenign);
  basicos.buffer().setText("BAS:CODIGO", u"B7TINTA"_s);
  ASSERT_EQ(basicos.tryFetch(basicos.keyDef(u"BAS:KEYCOD")), kLevelBenign);
  ASSERT_EQ(basicos.deleteRecord(false), kLevelBenign);
  basicos.close();

  const CopyOutcome outcome = copy("01", "07", "B7");
  EXPECT_EQ(outcome.end, CopyOutcome::End::Failed);
  EXPECT_EQ(titlesAndTexts(),
            QStringList({u"Control de errorres: No se pudo encontrar el basico de la formula para este producto terminado: 07ROJO"_s,
                         u"Control de Proceso: El proceso no pudo efectuarse correctamente|Reintente en unos minutos..."_s}));
  EXPECT_EQ(rows("Terminado").size(), 4u);  // 07AZUL, added before the failure, is gone too
  EXPECT_EQ(rows("Formula1").size(), 1u);
  EXPECT_EQ(rows("Formula2").size(), 2u);
}

TEST_F(FormulaCopyTest, ADestinationInsideTheSourceLineDoesNotCopyItsOwnCopies) {
  sourceLine();
  lines({11});
  basic("01XBASE", "1");
  basic("01XTINTA", "1");
  // "011..." begins with "01": the new products fall inside the source range,
  // and 0110X sorts after 010X, where the walk over the source line goes next.
  product("010X", 1);
  const CopyOutcome outcome = copy("01", "011", "01X");
  EXPECT_EQ(outcome.end, CopyOutcome::End::Copied);
  EXPECT_EQ(outcome.products, 3);
  QStringList codes;
  for (const Record& r : rows("Terminado")) codes << r.text("TER:CODIGO");
  EXPECT_EQ(codes, QStringList({u"01ROJO"_s, u"01SOLO"_s, u"02OTRO"_s, u"010X"_s, u"0110X"_s, u"011ROJO"_s,
                                u"011SOLO"_s}));
}

TEST_F(FormulaCopyTest, ANewCodeLongerThanTheFieldFailsInsteadOfBeingCut) {
  sourceLine();
  product("01ABCDEFGHIJK", 1);  // 13 characters; with "07X" it would be 14
  lines({0});
  EXPECT_EQ(copy("01", "07X", "B7").end, CopyOutcome::End::Failed);
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown().front().text(),
            u"No se pudo dar de alta el producto terminado: 07XABCDEFGHIJK"_s);
  EXPECT_EQ(rows("Terminado").size(), 4u);
}

TEST_F(FormulaCopyTest, TheWindowChecksItsEntriesInOrderAndClearsThem) {
  sourceLine();
  FormulaCopyWindow window(files, ExecutionContext::current());
  EXPECT_EQ(window.windowTitle(), u"Copia las Formulas de una linea a otra"_s);
  auto* source = window.findChild<QLineEdit*>(u"?GLO:DESDELINEA"_s);
  auto* destination = window.findChild<QLineEdit*>(u"?GLO:HASTALINEA"_s);
  auto* basics = window.findChild<QLineEdit*>(u"?GLO:LINEABASICOS"_s);
  auto* progress = window.findChild<QProgressBar*>(u"?PROGRESO"_s);
  auto* copyButton = window.findChild<QPushButton*>(u"?COPIAR"_s);
  ASSERT_TRUE(source && destination && basics && progress && copyButton);
  ASSERT_TRUE(window.findChild<QPushButton*>(u"?SALIR"_s));
  EXPECT_EQ(source->maxLength(), 5);
  window.show();

  copyButton->click();
  ASSERT_EQ(messages.shown().size(), 3u);
  for (const MessageBox& b : messages.shown()) {
    EXPECT_EQ(b.title(), u"Control de Integridad"_s);
    ASSERT_EQ(b.buttons().size(), 1);
    EXPECT_EQ(b.buttons().front().caption, u"Aceptar"_s);
  }
  EXPECT_EQ(messages.shown()[0].text(), u"Falta cargar el codigo de linea de Origen"_s);
  EXPECT_EQ(messages.shown()[1].text(), u"Falta cargar el codigo de linea de Destino"_s);
  EXPECT_EQ(messages.shown()[2].text(), u"Falta cargar el codigo de linea de Básicos"_s);
  EXPECT_EQ(rows("Terminado").size(), 3u);

  source->setText(u"01"_s);
  destination->setText(u"07"_s);
  basics->setText(u"B7"_s);
  copyButton->click();
  EXPECT_EQ(messages.shown().back().text(), u"El proceso ha creado la nueva linea satisfactoriamente..."_s);
  EXPECT_EQ(rows("Terminado").size(), 5u);
  EXPECT_TRUE(source->text().isEmpty());
  EXPECT_TRUE(basics->text().isEmpty());
  EXPECT_EQ(glo().DESDELINEA, QString(5, u' '));
  EXPECT_EQ(progress->value(), 0);
}

}  // namespace
}  // namespace bv::test
