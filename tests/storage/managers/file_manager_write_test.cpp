// Insert, auto-numbering, validation, update and delete through the managers.
#include "injecting_layer.h"
#include "manager_fixture.h"
#include "storage/dictionary/table_declaration.h"

namespace bv::test {
namespace {

class WriteTest : public ManagerTest {
 protected:
  // Adds a Linea with a given code, past the manager's numbering.
  void addLinea(FileManager& lin, int code) {
    lin.buffer().clear();
    lin.buffer().setDecimal(1, Decimal(code));
    lin.buffer().setText(2, QStringLiteral("LINEA %1").arg(code));
    ASSERT_EQ(lin.use(), 0);
    ASSERT_EQ(lin.file().add(lin.buffer()), 0);
  }
  static Decimal codigo(FileManager& m) { return m.buffer().decimal(1); }
};

TEST_F(WriteTest, AutoNumberStartsAtOneThenFollowsTheHighest) {
  FileManager& lin = managers["Linea"];
  ASSERT_EQ(lin.open(), 0);
  // Priming reserves the number at once with a placeholder that reads skip.
  ASSERT_EQ(lin.primeRecord(), 0);
  EXPECT_EQ(codigo(lin), Decimal(1));
  EXPECT_TRUE(lin.hasPlaceholder());
  EXPECT_EQ(lin.file().recordCount(), 0);
  // Priming again keeps the number reserved for this record.
  ASSERT_EQ(lin.primeRecord(), 0);
  EXPECT_EQ(codigo(lin), Decimal(1));
  lin.buffer().setText(2, "PRIMERA");
  ASSERT_EQ(lin.insert(), 0);
  EXPECT_FALSE(lin.hasPlaceholder());
  EXPECT_EQ(lin.file().recordCount(), 1);

  addLinea(lin, 2);
  addLinea(lin, 7);
  // A record not primed is numbered as it is inserted.
  lin.buffer().clear();
  lin.buffer().setText(2, "OCTAVA");
  ASSERT_EQ(lin.insert(), 0);
  EXPECT_EQ(codigo(lin), Decimal(8));
  EXPECT_TRUE(script.shown().empty());
  lin.close();
}

TEST_F(WriteTest, AnotherStationCountsTheReservedNumber) {
  FileManager& lin = managers["Linea"];
  auto other = otherStation();
  FileManager& theirs = other->managers["Linea"];
  ASSERT_EQ(lin.open(), 0);
  ASSERT_EQ(theirs.open(), 0);
  ASSERT_EQ(lin.primeRecord(), 0);
  ASSERT_EQ(theirs.primeRecord(), 0);
  EXPECT_EQ(codigo(lin), Decimal(1));
  EXPECT_EQ(codigo(theirs), Decimal(2));

  // The form for our new record is cancelled: the placeholder goes.
  EXPECT_EQ(lin.cancelAutoNumber(), 0);
  theirs.buffer().setText(2, "SEGUNDA");
  ASSERT_EQ(theirs.insert(), 0);
  ASSERT_EQ(lin.setPosition(&lin.keyDef(u"LIN:KEYCOD"), FileEdge::Start), 0);
  ASSERT_EQ(lin.next(), 0);
  EXPECT_EQ(codigo(lin), Decimal(2));
  EXPECT_EQ(lin.next(), 5);
  lin.close();
  theirs.close();
}

TEST_F(WriteTest, NumberTakenEveryRoundAsksMessage32) {
  auto layer = std::make_shared<InjectingLayer>(makeTestLayer({dir.path(), dir.path()}));
  FileManagers own(*layer, errors);
  FileManager& lin = own["Linea"];
  ASSERT_EQ(lin.open(), 0);
  layer->injections.codes["add"] = std::vector<int>(6, kDuplicateKey);
  script.answer("&SI");
  script.answer("&NO");
  EXPECT_EQ(lin.primeRecord(), 5);
  EXPECT_EQ(layer->injections.calls["add"], 6);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(lastBox().title(), "Error AutoNumeración");
  EXPECT_EQ(
      lastBox().text(),
      "Los intentos para numerar automaticamente han fallado. Error: Crea clave duplicada (40). ¿ Intentar "
      "nuevamente?");
  EXPECT_FALSE(lin.hasPlaceholder());

  // Without messages nobody is asked: three rounds, then level 5 with 32 kept.
  layer->injections.calls.clear();
  layer->injections.codes["add"] = std::vector<int>(3, kDuplicateKey);
  EXPECT_EQ(lin.tryPrimeAutoNumber(), 5);
  EXPECT_EQ(lin.errorNumber(), 32);
  EXPECT_EQ(script.shown().size(), 2u);

  // A collision in the second round is retried without a question.
  layer->injections.calls.clear();
  layer->injections.codes["add"] = {kDuplicateKey};
  EXPECT_EQ(lin.primeRecord(), 0);
  EXPECT_EQ(layer->injections.calls["add"], 2);
  EXPECT_EQ(script.shown().size(), 2u);
  lin.close();
}

TEST_F(WriteTest, DuplicateOnAnotherUniqueKeyIsRefusedAtOnceNamingTheKey) {
  FileManager& bas = managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  basico(bas, "B1", "ROJO");
  ASSERT_EQ(bas.insert(), 0);
  basico(bas, "B1", "OTRO");
  EXPECT_EQ(bas.tryInsert(), 5);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(bas.errorNumber(), 13);
  EXPECT_EQ(bas.insert(), 5);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(lastBox().title(), "Error Clave Duplicada");
  EXPECT_EQ(lastBox().text(), "Agregar este registro crea una clave duplicada para la clave: Por Codigo");

  // An auto-numbered record duplicating another unique key is not numbered again.
  FileManager& for1 = managers["Formula1"];
  ASSERT_EQ(for1.open(), 0);
  for (int i = 0; i < 2; ++i) {
    for1.buffer().clear();
    for1.buffer().setText("FOR1:CODIGO_TERMINADO", "T1");
    for1.buffer().setText("FOR1:MODIFICABLE", "S");
    EXPECT_EQ(for1.insert(), i == 0 ? 0 : 5);
  }
  EXPECT_EQ(
      lastBox().text(),
      "Agregar este registro crea una clave duplicada para la clave: Por Codigo del Producto Terminado");
  EXPECT_EQ(for1.file().recordCount(), 1);
  bas.close();
  for1.close();
}

TEST_F(WriteTest, InvalidRecordIsNotWritten) {
  FileManager& lin = managers["Linea"];
  FileManager& ter = managers["Terminado"];
  ASSERT_EQ(lin.open(), 0);
  for (int code : {1, 2, 3}) addLinea(lin, code);
  // The window shows Linea 1, positioned on it.
  ASSERT_EQ(lin.setPosition(&lin.keyDef(u"LIN:KEYCOD"), FileEdge::Start), 0);
  ASSERT_EQ(lin.next(), 0);

  ASSERT_EQ(ter.open(), 0);
  ter.buffer().setText(1, "T1");
  ter.buffer().setDecimal("TER:LINEA", Decimal(2));
  ter.buffer().setText("TER:SISTEMA", "X");
  EXPECT_EQ(ter.tryInsert(), 5);
  EXPECT_EQ(ter.insert(), 5);
  EXPECT_EQ(ter.file().recordCount(), 0);
  EXPECT_TRUE(script.shown().empty());
  // The failure is kept for whoever wants to show it.
  EXPECT_EQ(ter.raiseStored(), 5);
  EXPECT_EQ(lastBox().text(),
            "El valor del campo TER:Sistema debe estar en esta lista : 'Mezcla','Entintado'.");
  EXPECT_EQ(ter.validateRecord(true), 7);
  EXPECT_EQ(script.shown().size(), 2u);

  // The lookup of TER:LINEA leaves Linea's record and position as they were.
  ter.buffer().setDecimal("TER:LINEA", Decimal(9));
  EXPECT_EQ(ter.validateRecord(true), 3);
  EXPECT_EQ(lastBox().text(), "El valor de TER:Linea debe existir en tabla Linea.");
  ter.buffer().setDecimal("TER:LINEA", Decimal(3));
  ter.buffer().setText("TER:SISTEMA", "M");
  ASSERT_EQ(ter.insert(), 0);
  EXPECT_EQ(lin.buffer().decimal(1), Decimal(1));
  ASSERT_EQ(lin.next(), 0);
  EXPECT_EQ(lin.buffer().decimal(1), Decimal(2));
  lin.close();
  ter.close();
}

TEST_F(WriteTest, RuleLookupOpensATableTheWindowDidNotOpen) {
  FileManager& lin = managers["Linea"];
  ASSERT_EQ(lin.open(), 0);
  addLinea(lin, 4);
  lin.close();
  FileManager& ter = managers["Terminado"];
  ASSERT_EQ(ter.open(), 0);
  ter.buffer().setDecimal("TER:LINEA", Decimal(4));
  ter.buffer().setText("TER:SISTEMA", "E");
  EXPECT_EQ(ter.validateRecord(true), 0);
  EXPECT_EQ(lin.openCount(), 0);
  EXPECT_FALSE(halts.halted());
  ter.close();
}

TEST_F(WriteTest, UpdateOfARecordChangedByAnotherStationShowsItsValues) {
  FileManager& bas = managers["Basicos"];
  auto other = otherStation();
  FileManager& theirs = other->managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  ASSERT_EQ(theirs.open(), 0);
  basico(bas, "B1", "ROJO", "10");
  ASSERT_EQ(bas.insert(), 0);

  const KeyDef& byCode = bas.keyDef(u"BAS:KEYCOD");
  bas.watch();
  ASSERT_EQ(bas.fetch(byCode), 0);
  theirs.buffer().setText(1, "B1");
  theirs.watch();
  ASSERT_EQ(theirs.fetch(byCode), 0);
  theirs.buffer().setDecimal(4, Decimal(20));
  ASSERT_EQ(theirs.update(), 0);

  bas.buffer().setText(2, "MIO");
  EXPECT_EQ(bas.update(), 5);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(lastBox().title(), "Registro no Actualizado");
  EXPECT_EQ(lastBox().text(), "Este registro fue modificado por otra estación.");
  EXPECT_EQ(bas.buffer().decimal(4), Decimal(20));
  EXPECT_EQ(bas.buffer().text(2), "ROJO");

  // The re-read record is watched again: the next change by the other station
  // is found too, and the long form says the values are shown now.
  theirs.buffer().setDecimal(4, Decimal(30));
  ASSERT_EQ(theirs.update(), 0);
  bas.buffer().setText(2, "MIO");
  EXPECT_EQ(bas.tryUpdate(true), 5);
  EXPECT_EQ(bas.errorNumber(), 7);
  EXPECT_EQ(bas.buffer().decimal(4), Decimal(30));
  bas.raiseStored();
  EXPECT_TRUE(lastBox().text().startsWith(
      "Este registro fue modificado por otra estación. Los cambios serán mostrados"));

  // With nobody else writing, the change goes through.
  bas.buffer().setText(2, "MIO");
  EXPECT_EQ(bas.update(), 0);
  ASSERT_EQ(theirs.fetch(byCode), 0);
  EXPECT_EQ(theirs.buffer().text(2), "MIO");
  EXPECT_EQ(theirs.buffer().decimal(4), Decimal(30));

  // An invalid record is not written (level 1).
  bas.buffer().setText(6, "X");
  EXPECT_EQ(bas.update(), 1);
  bas.close();
  theirs.close();
}

TEST_F(WriteTest, ValueTooLargeForItsFieldIsRefusedWithMessage17) {
  FileManager& dol = managers["Dolar"];
  EXPECT_EQ(dol.assign("DOL:COTIZACION", dec("1000")), 5);
  EXPECT_EQ(lastBox().title(), "Error en Rango");
  EXPECT_EQ(lastBox().text(), "El valor de DOL:Cotizacion debe ser menor que 999.9999.");
  EXPECT_EQ(dol.buffer().decimal(2), Decimal(0));
  EXPECT_EQ(dol.assign("DOL:COTIZACION", dec("999.99994")), 0);  // rounds to the field's places
  EXPECT_EQ(dol.buffer().decimal(2), dec("999.9999"));
  EXPECT_EQ(dol.assign("DOL:COTIZACION", dec("-1000")), 5);
  EXPECT_EQ(lastBox().text(), "El valor de DOL:Cotizacion debe ser mayor que -999.9999.");

  // An auto-number past the field's largest value is refused the same way.
  FileManager& lin = managers["Linea"];
  ASSERT_EQ(lin.open(), 0);
  addLinea(lin, 999);
  EXPECT_EQ(lin.primeRecord(), 5);
  EXPECT_EQ(lastBox().text(), "El valor de LIN:Codigo debe ser menor que 999.");
  EXPECT_FALSE(lin.hasPlaceholder());
  lin.close();
}

TEST_F(WriteTest, FetchAndDelete) {
  FileManager& bas = managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  for (const char* c : {"B1", "B2"}) {
    basico(bas, c, c);
    ASSERT_EQ(bas.insert(), 0);
  }
  const KeyDef& byCode = bas.keyDef(u"BAS:KEYCOD");
  basico(bas, "ZZ", "NADA");
  EXPECT_EQ(bas.fetch(byCode), 5);
  EXPECT_EQ(bas.buffer(), Record(bas.table()));  // cleared
  basico(bas, "B1");
  ASSERT_EQ(bas.fetch(byCode), 0);
  EXPECT_EQ(bas.deleteRecord(), 0);
  EXPECT_EQ(bas.file().recordCount(), 1);
  EXPECT_TRUE(script.shown().empty());
  bas.close();
}

// A table whose auto-numbered key has two components: the number counts within
// the leading component's value.
const Dictionary& groupedDictionary() {
  using namespace dictionary;
  static const Dictionary dict(Catalogue{
      .tables = {TableDecl{
          .label = "Renglon",
          .prefix = "REN",
          .fields = {FieldDecl::number("GRUPO", 2, 0), FieldDecl::number("NUMERO", 3, 0),
                     FieldDecl::text("TEXTO", 10)},
          .keys = {KeyDecl("KEYGN", "Por Grupo y Numero", {"GRUPO", "NUMERO"}).unique().autoNumber()},
      }},
      .aliases = {},
  });
  return dict;
}

TEST_F(WriteTest, AutoNumberOfAKeyWithSeveralComponents) {
  Station grouped(dir.path(), errors, groupedDictionary());
  FileManager& ren = grouped.managers["Renglon"];
  ASSERT_EQ(ren.open(), 0);
  ASSERT_EQ(ren.use(), 0);
  for (auto [g, n] : {std::pair{1, 1}, {1, 2}, {2, 5}}) {
    ren.buffer().setDecimal(1, Decimal(g));
    ren.buffer().setDecimal(2, Decimal(n));
    ASSERT_EQ(ren.file().add(ren.buffer()), 0);
  }
  for (auto [g, expected] : {std::pair{1, 3}, {2, 6}, {3, 1}, {0, 1}}) {
    ren.buffer().clear();
    ren.buffer().setDecimal(1, Decimal(g));
    ASSERT_EQ(ren.insert(), 0) << g;
    EXPECT_EQ(ren.buffer().decimal(2), Decimal(expected)) << g;
  }
  ren.close();
}

}  // namespace
}  // namespace bv::test
