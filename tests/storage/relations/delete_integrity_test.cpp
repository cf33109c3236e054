// Delete with integrity: confirmation, restrict with the offer to try again,
// cascades children first, a failed delete rolled back, and the cancel of an
// auto-number placeholder that takes its linked records along.
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

class DeleteIntegrity : public RelationsTest {
 protected:
  void SetUp() override { baseline(); }
  RecordPosition formula(int code, const char* finished, const char* componentB = "") {
    Record r = valid("Formula1");
    r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(code));
    r.setText("FOR1:CODIGO_TERMINADO", finished);
    r.setText("FOR1:COMPONENTE_B", componentB);
    return add("Formula1", r);
  }
  RecordPosition line(int code, const char* basic) {
    Record r = valid("Formula2");
    r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(code));
    r.setText("FOR2:CODIGO_BASICO", basic);
    return add("Formula2", r);
  }
  RecordPosition basic(const char* code) {
    Record r = valid("Basicos");
    r.setText("BAS:CODIGO", code);
    return add("Basicos", r);
  }
};

TEST_F(DeleteIntegrity, ConfirmationDeclinedDeletesNothing) {
  const RecordPosition f = formula(1, "T0");
  current("Formula1", f);
  script.answer("&NO");
  EXPECT_EQ(rel("Formula1").deleteRecord(), 5);
  EXPECT_EQ(titles(), "Confirmar Borrado");
  EXPECT_TRUE(exists("Formula1", f));
  EXPECT_EQ(layer->begins, 0);

  script.answer("&SI");
  EXPECT_EQ(rel("Formula1").deleteRecord(), 0);
  EXPECT_FALSE(exists("Formula1", f));
}

TEST_F(DeleteIntegrity, FormulaTakesItsLinesAlong) {
  const RecordPosition f = formula(1, "T0"), g = formula(2, "T9");
  const RecordPosition l1 = line(1, "B0"), l2 = line(1, "B1"), other = line(2, "B0");
  current("Formula1", f);
  ASSERT_EQ(rel("Formula1").deleteRecord(false), 0);
  EXPECT_FALSE(exists("Formula1", f));
  EXPECT_FALSE(exists("Formula2", l1));
  EXPECT_FALSE(exists("Formula2", l2));
  EXPECT_TRUE(exists("Formula2", other));
  EXPECT_TRUE(exists("Formula1", g));
  // The busy cursor is up while the records go, and down again afterwards.
  EXPECT_TRUE(layer->recorded.busyWhileRemoving);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Only the tables a delete may change are marked.
  EXPECT_EQ(lines(layer->recorded.marked), lines({"Formula1", "Formula2"}));
}

TEST_F(DeleteIntegrity, FinishedProductInUseIsRefusedUntilTheRetryIsDeclined) {
  const RecordPosition t = add("Terminado", [&] {
    Record r = valid("Terminado");
    r.setText("TER:CODIGO", "T5");
    return r;
  }());
  const RecordPosition f = formula(1, "T5");
  current("Terminado", t);
  // Refused, tried again on "&SI", refused again, given up on "&NO".
  for (const char* answer : {"Aceptar", "&SI", "Aceptar", "&NO"}) script.answer(answer);
  EXPECT_EQ(rel("Terminado").deleteRecord(false), 5);
  EXPECT_EQ(titles(),
            "Error de Integridad Referencial (Borrado) | Error en Borrar Registro | "
            "Error de Integridad Referencial (Borrado) | Error en Borrar Registro");
  EXPECT_TRUE(script.shown().front().text().contains("tabla Formula1.tps."));
  EXPECT_TRUE(exists("Terminado", t));
  EXPECT_TRUE(exists("Formula1", f));
  EXPECT_EQ(layer->begins, 2);
  EXPECT_FALSE(layer->inTransaction());
}

TEST_F(DeleteIntegrity, BasicProductGoesWithItsFormulaLinesUnlessProducedOrComponentB) {
  const RecordPosition b = basic("AZ1");
  const RecordPosition l1 = line(1, "AZ1"), l2 = line(2, "AZ1");
  // Used as component B of a formula: refused by the alias's relation.
  const RecordPosition f = formula(3, "T0", "AZ1");
  current("Basicos", b);
  script.answer("Aceptar");
  script.answer("&NO");
  EXPECT_EQ(rel("Basicos").deleteRecord(false), 5);
  EXPECT_TRUE(script.shown().front().text().contains("tabla Formula1.tps."));
  EXPECT_TRUE(exists("Formula2", l1));

  // Used by a production line: refused, and the lines deleted before the
  // refusal came back with the rollback.
  current("Formula1", f);
  file("Formula1").buffer().setText("FOR1:COMPONENTE_B", "");
  ASSERT_EQ(rel("Formula1").update(), 0);
  Record p = valid("Produc02");
  p.setText("PRO2:CODIGO_BASICO", "AZ1");
  const RecordPosition used = add("Produc02", p);
  current("Basicos", b);
  script.answer("Aceptar");
  script.answer("&NO");
  EXPECT_EQ(rel("Basicos").deleteRecord(false), 5);
  EXPECT_TRUE(script.shown()[2].text().contains("tabla Produc02."));
  EXPECT_TRUE(exists("Basicos", b));
  EXPECT_TRUE(exists("Formula2", l1));

  current("Produc02", used);
  ASSERT_EQ(file("Produc02").deleteRecord(), 0);
  current("Basicos", b);
  ASSERT_EQ(rel("Basicos").deleteRecord(false), 0);
  EXPECT_FALSE(exists("Basicos", b));
  EXPECT_FALSE(exists("Formula2", l1));
  EXPECT_FALSE(exists("Formula2", l2));
  EXPECT_TRUE(exists("Formula1", f));
}

TEST_F(DeleteIntegrity, FailedDeleteOfALinkedRecordRollsEverythingBack) {
  const RecordPosition f = formula(1, "T0");
  const RecordPosition l1 = line(1, "B0");
  layer->recorded.removeCodes["Formula2"] = kFileAccessDenied;
  current("Formula1", f);
  script.answer("Aceptar");
  script.answer("&NO");
  EXPECT_EQ(rel("Formula1").deleteRecord(false), 5);
  EXPECT_EQ(titles(), "Registro no fue Borrado | Error en Borrar Registro");
  EXPECT_TRUE(script.shown().front().text().contains("Acceso denegado"));
  EXPECT_TRUE(script.shown().front().text().contains("Formula2.tps"));
  EXPECT_TRUE(exists("Formula1", f));
  EXPECT_TRUE(exists("Formula2", l1));
}

TEST_F(DeleteIntegrity, CancelledPlaceholderTakesItsLinkedRecordsAlong) {
  FileManager& for1 = file("Formula1");
  ASSERT_EQ(for1.primeRecord(), 0);
  ASSERT_TRUE(for1.hasPlaceholder());
  const int code = static_cast<int>(for1.buffer().decimal("FOR1:CODIGO_FORMULA").toInteger());
  const RecordPosition placeholder = for1.placeholderPosition();
  const RecordPosition l1 = line(code, "B0"), other = line(code + 1, "B0");
  ASSERT_EQ(rel("Formula1").cancelAutoNumber(), 0);
  EXPECT_FALSE(for1.hasPlaceholder());
  Record gone(for1.table());
  EXPECT_EQ(for1.file().reget(placeholder, gone), kRecordNotFound);
  EXPECT_FALSE(exists("Formula2", l1));
  EXPECT_TRUE(exists("Formula2", other));
  // Nothing reserved: nothing to cancel.
  EXPECT_EQ(rel("Formula1").cancelAutoNumber(), 0);
  EXPECT_EQ(titles(), "");
}

}  // namespace
}  // namespace bv::test
