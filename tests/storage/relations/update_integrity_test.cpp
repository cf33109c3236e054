// Update with integrity: cascades through the system's relations (the alias's
// too), the tables marked for the transaction, restrict, clear, cascades that
// go on down, and the changed-record message.

#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

class UpdateIntegrity : public RelationsTest {
 protected:
  RecordPosition linea(int code) {
    Record r = valid("Linea");
    r.setDecimal("LIN:CODIGO", Decimal(code));
    r.setText("LIN:DESCRIPCION", QStringLiteral("LINEA %1").arg(code));
    return add("Linea", r);
  }
  RecordPosition terminado(const char* code, int linea, int carta = 0, int marca = 0) {
    Record r = valid("Terminado");
    r.setText("TER:CODIGO", code);
    r.setDecimal("TER:LINEA", Decimal(linea));
    r.setDecimal("TER:CARTA", Decimal(carta));
    r.setDecimal("TER:MARCA", Decimal(marca));
    return add("Terminado", r);
  }
  RecordPosition withCode(const char* table, const char* field, const FieldValue& code) {
    Record r = valid(table);
    r.setValue(field, code);
    return add(table, r);
  }
  Decimal number(const char* table, RecordPosition at, const char* field) { return stored(table, at).decimal(field); }
  QString text(const char* table, RecordPosition at, const char* field) { return stored(table, at).text(field); }
};

TEST_F(UpdateIntegrity, LineCodeReachesItsFinishedProductsInOneTransaction) {
  baseline();
  const RecordPosition line = linea(3);
  const RecordPosition t1 = terminado("T1", 3), t2 = terminado("T2", 3), other = terminado("T3", 1);
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(7));
  ASSERT_EQ(rel("Linea").update(), 0);
  EXPECT_EQ(number("Terminado", t1, "TER:LINEA"), Decimal(7));
  EXPECT_EQ(number("Terminado", t2, "TER:LINEA"), Decimal(7));
  EXPECT_EQ(number("Terminado", other, "TER:LINEA"), Decimal(1));
  // The line, and every table its cascades may reach, in one transaction.
  EXPECT_EQ(lines(layer->recorded.marked),
            lines({"Linea", "Terminado", "Produc01", "Produc02", "Formula1", "Formula2"}));
  EXPECT_EQ(layer->begins, 1);
  EXPECT_EQ(titles(), "");
  EXPECT_FALSE(layer->inTransaction());
}

TEST_F(UpdateIntegrity, ACascadeThatGoesNoFurtherChangesTheLinkedRecordsAtOnce) {
  baseline();
  const RecordPosition line = linea(3);
  std::vector<RecordPosition> children;
  for (int i = 0; i < 300; ++i) children.push_back(terminado(qPrintable(QString("H%1").arg(i)), 3));
  // A record being prepared on some form is no linked record yet.
  Record prepared = valid("Terminado");
  prepared.setDecimal("TER:LINEA", Decimal(3));
  ASSERT_EQ(file("Terminado").file().add(prepared, true), kFileOk);
  const RecordPosition placeholder = file("Terminado").file().position();
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(8));
  ASSERT_EQ(rel("Linea").update(), 0);
  for (RecordPosition at : children) ASSERT_EQ(number("Terminado", at, "TER:LINEA"), Decimal(8)) << at;
  EXPECT_EQ(number("Terminado", placeholder, "TER:LINEA"), Decimal(3));
  // One change of the file, not a read and a write per record: the cost grows
  // with the records, never with their square.
  EXPECT_EQ(layer->recorded.replaceAlls["Terminado"], 1);
  EXPECT_EQ(layer->recorded.puts["Terminado"], 0);
  EXPECT_EQ(titles(), "");
}

TEST_F(UpdateIntegrity, ATransactionThatCannotStartNamesTheTableHeldElsewhere) {
  baseline();
  const RecordPosition line = linea(3);
  terminado("T1", 3);
  // Another station writes to the finished products, and only to them.
  auto other = makeTestLayer({dir.path(), dir.path()});
  auto theirs = other->file(file("Terminado").table());
  ASSERT_EQ(theirs->open(kShareDenyNone), kFileOk);
  ASSERT_EQ(theirs->markForTransaction(), kFileOk);
  ASSERT_EQ(other->beginTransaction(1), kFileOk);
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(7));
  EXPECT_NE(rel("Linea").update(), 0);
  other->rollback();
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown().back().title(), "Transacción Cancelada");
  EXPECT_TRUE(script.shown().back().text().contains("sobre tabla " + file("Terminado").name() + "."))
      << script.shown().back().text().toStdString();
}

TEST_F(UpdateIntegrity, BasicCodeReachesLinesPurchasesProductionsAndComponentB) {
  baseline();
  const RecordPosition bas = withCode("Basicos", "BAS:CODIGO", QStringLiteral("AZ1"));
  const RecordPosition pro2 = withCode("Produc02", "PRO2:CODIGO_BASICO", QStringLiteral("AZ1"));
  const RecordPosition com2 = withCode("Compra2", "COM2:CODIGO_BASICO", QStringLiteral("AZ1"));
  const RecordPosition for2 = withCode("Formula2", "FOR2:CODIGO_BASICO", QStringLiteral("AZ1"));
  const RecordPosition for1 = withCode("Formula1", "FOR1:COMPONENTE_B", QStringLiteral("AZ1"));
  const RecordPosition untouched = withCode("Produc02", "PRO2:CODIGO_BASICO", QStringLiteral("B0"));
  current("Basicos", bas);
  file("Basicos").buffer().setText("BAS:CODIGO", "AZ2");
  ASSERT_EQ(rel("Basicos").update(), 0);
  EXPECT_EQ(text("Produc02", pro2, "PRO2:CODIGO_BASICO"), "AZ2");
  EXPECT_EQ(text("Compra2", com2, "COM2:CODIGO_BASICO"), "AZ2");
  EXPECT_EQ(text("Formula2", for2, "FOR2:CODIGO_BASICO"), "AZ2");
  // The relation of the alias guards the file the alias shares.
  EXPECT_EQ(text("Formula1", for1, "FOR1:COMPONENTE_B"), "AZ2");
  EXPECT_EQ(text("Produc02", untouched, "PRO2:CODIGO_BASICO"), "B0");

  // A change that leaves the code alone reaches nothing.
  layer->recorded.marked.clear();
  current("Basicos", bas);
  file("Basicos").buffer().setText("BAS:DESCRIPCION", "AZUL");
  ASSERT_EQ(rel("Basicos").update(), 0);
  EXPECT_EQ(text("Basicos", bas, "BAS:DESCRIPCION"), "AZUL");
  EXPECT_EQ(text("Formula1", for1, "FOR1:COMPONENTE_B"), "AZ2");
}

TEST_F(UpdateIntegrity, TableThatCannotJoinIsLeftOutOtherErrorsCancel) {
  baseline();
  const RecordPosition line = linea(3);
  const RecordPosition t1 = terminado("T1", 3);
  // Error 80: the table is left out and the update goes on.
  layer->recorded.markCodes["Terminado"] = kTransactionNotSupported;
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(4));
  ASSERT_EQ(rel("Linea").update(), 0);
  EXPECT_FALSE(layer->recorded.marked.contains("Terminado"));
  EXPECT_EQ(number("Terminado", t1, "TER:LINEA"), Decimal(4));
  EXPECT_EQ(titles(), "");

  // Any other error cancels before anything is written.
  layer->recorded.markCodes["Terminado"] = kFileAccessDenied;
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(5));
  EXPECT_EQ(rel("Linea").update(), 5);
  EXPECT_EQ(titles(), "Transacción Cancelada");
  EXPECT_TRUE(script.shown().back().text().contains("tabla Terminad.tps.")) << script.shown().back().text().toStdString();
  EXPECT_EQ(number("Linea", line, "LIN:CODIGO"), Decimal(4));

  // So does a transaction that cannot start.
  layer->recorded.markCodes.clear();
  layer->recorded.beginCode = kFileAccessDenied;
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(6));
  EXPECT_EQ(rel("Linea").update(), 5);
  EXPECT_EQ(titles(), "Transacción Cancelada | Transacción Cancelada");
  EXPECT_EQ(number("Linea", line, "LIN:CODIGO"), Decimal(4));
  EXPECT_EQ(number("Terminado", t1, "TER:LINEA"), Decimal(4));
}

TEST_F(UpdateIntegrity, RestrictRestoresTheOwnerFieldsAndWritesNothing) {
  baseline();
  RelationPasses passes;
  RelationManager marca(file("Marca"), true, passes), ter(file("Terminado"), true, passes);
  marca.addRelation(ter, RelationAction::Restrict, RelationAction::None, file("Terminado").keyDef(u"TER:KEYMAR"));
  marca.addFieldPair("MAR:CODIGO", "TER:MARCA");
  const RecordPosition m5 = withCode("Marca", "MAR:CODIGO", Decimal(5));
  const RecordPosition t1 = terminado("T1", 1, 0, 5);

  current("Marca", m5);
  Record& b = file("Marca").buffer();
  b.setDecimal("MAR:CODIGO", Decimal(6));
  b.setText("MAR:DESCRIPCION", "NUEVA");
  EXPECT_EQ(marca.update(), 5);
  EXPECT_EQ(titles(), "Error de Integridad Referencial (Actualización)");
  EXPECT_TRUE(script.shown().back().text().contains("tabla Terminad.tps."));
  // The code goes back to what is stored; the other change stays on screen.
  EXPECT_EQ(b.decimal("MAR:CODIGO"), Decimal(5));
  EXPECT_EQ(b.text("MAR:DESCRIPCION"), "NUEVA");
  EXPECT_EQ(stored("Marca", m5).text("MAR:DESCRIPCION"), "");
  EXPECT_EQ(number("Terminado", t1, "TER:MARCA"), Decimal(5));
  EXPECT_GE(layer->rollbacks, 1);

  // With the code unchanged, nothing restricts the update.
  ASSERT_EQ(marca.update(), 0);
  EXPECT_EQ(stored("Marca", m5).text("MAR:DESCRIPCION"), "NUEVA");
}

TEST_F(UpdateIntegrity, ClearBlanksTheLinkedFieldsOnUpdateAndOnDelete) {
  baseline();
  RelationPasses passes;
  RelationManager marca(file("Marca"), true, passes), ter(file("Terminado"), true, passes);
  marca.addRelation(ter, RelationAction::Clear, RelationAction::Clear, file("Terminado").keyDef(u"TER:KEYMAR"));
  marca.addFieldPair("MAR:CODIGO", "TER:MARCA");
  const RecordPosition m5 = withCode("Marca", "MAR:CODIGO", Decimal(5));
  const RecordPosition t1 = terminado("T1", 1, 0, 5), t2 = terminado("T2", 1, 0, 5);
  const RecordPosition m8 = withCode("Marca", "MAR:CODIGO", Decimal(8));
  const RecordPosition t3 = terminado("T3", 1, 0, 8);

  current("Marca", m5);
  file("Marca").buffer().setDecimal("MAR:CODIGO", Decimal(6));
  ASSERT_EQ(marca.update(), 0);
  EXPECT_EQ(number("Terminado", t1, "TER:MARCA"), Decimal(0));
  EXPECT_EQ(number("Terminado", t2, "TER:MARCA"), Decimal(0));
  EXPECT_EQ(lines(layer->recorded.marked), lines({"Marca", "Terminado"}));

  current("Marca", m8);
  ASSERT_EQ(marca.deleteRecord(false), 0);
  EXPECT_FALSE(exists("Marca", m8));
  EXPECT_TRUE(exists("Terminado", t3));
  EXPECT_EQ(number("Terminado", t3, "TER:MARCA"), Decimal(0));
}

TEST_F(UpdateIntegrity, CascadesGoOnDownThroughTheChangedRecords) {
  baseline();
  // Two levels: a chart's code reaches its finished products, whose changed
  // chart field in turn owns the productions' client field.
  RelationPasses passes;
  RelationManager carta(file("Carta"), true, passes), ter(file("Terminado"), true, passes),
      pro(file("Produc01"), true, passes);
  carta.addRelation(ter, RelationAction::Cascade, RelationAction::Cascade, file("Terminado").keyDef(u"TER:KEYCAR"));
  carta.addFieldPair("CAR:CODIGO", "TER:CARTA");
  ter.addRelation(pro, RelationAction::Cascade, RelationAction::Cascade, file("Produc01").keyDef(u"PRO1:KEYCLI"));
  ter.addFieldPair("TER:CARTA", "PRO1:CLIENTE");
  const RecordPosition c5 = withCode("Carta", "CAR:CODIGO", Decimal(5));
  const RecordPosition t1 = terminado("T1", 1, 5);
  const auto production = [&](int code, int client) {
    Record r = valid("Produc01");
    r.setDecimal("PRO1:CODIGO", Decimal(code));
    r.setDecimal("PRO1:CLIENTE", Decimal(client));
    return add("Produc01", r);
  };
  const RecordPosition p1 = production(1, 5), p2 = production(2, 9);

  current("Carta", c5);
  file("Carta").buffer().setDecimal("CAR:CODIGO", Decimal(6));
  ASSERT_EQ(carta.update(), 0);
  EXPECT_EQ(number("Terminado", t1, "TER:CARTA"), Decimal(6));
  EXPECT_EQ(number("Produc01", p1, "PRO1:CLIENTE"), Decimal(6));
  EXPECT_EQ(number("Produc01", p2, "PRO1:CLIENTE"), Decimal(9));
  EXPECT_EQ(lines(layer->recorded.marked), lines({"Carta", "Terminado", "Produc01"}));

  // Deletes cascade children first, all levels down.
  current("Carta", c5);
  ASSERT_EQ(carta.deleteRecord(false), 0);
  EXPECT_FALSE(exists("Terminado", t1));
  EXPECT_FALSE(exists("Produc01", p1));
  EXPECT_TRUE(exists("Produc01", p2));
}

TEST_F(UpdateIntegrity, RememberedLinksTellWhatTheRecordWasWhenRead) {
  baseline();
  const RecordPosition line = linea(3);
  const RecordPosition t3 = terminado("T1", 3), t4 = terminado("T2", 4);
  current("Linea", line);
  rel("Linea").rememberLinks();
  // The stored code changes behind the manager's back (no cascade).
  Record changed = stored("Linea", line);
  changed.setDecimal("LIN:CODIGO", Decimal(4));
  ASSERT_EQ(file("Linea").file().put(changed), kFileOk);
  current("Linea", line);
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(7));
  ASSERT_EQ(rel("Linea").update(), 0);
  // The records linked to the remembered value 3 follow, not those of 4.
  EXPECT_EQ(number("Terminado", t3, "TER:LINEA"), Decimal(7));
  EXPECT_EQ(number("Terminado", t4, "TER:LINEA"), Decimal(4));
  // Remembered again after the update: a second change starts from 7.
  file("Linea").buffer().setDecimal("LIN:CODIGO", Decimal(8));
  ASSERT_EQ(rel("Linea").update(), 0);
  EXPECT_EQ(number("Terminado", t3, "TER:LINEA"), Decimal(8));
}

TEST_F(UpdateIntegrity, RecordChangedByAnotherStationShowsTheLongMessage) {
  baseline();
  const RecordPosition line = linea(3);
  auto otherLayer = makeTestLayer({dir.path(), dir.path()});
  FileManagers theirs(*otherLayer, errors);
  FileManager& their = theirs["Linea"];
  ASSERT_EQ(their.open(), 0);

  FileManager& lin = file("Linea");
  lin.watch();
  current("Linea", line);
  ASSERT_EQ(their.reget(line), 0);
  their.buffer().setText("LIN:DESCRIPCION", "DE OTRA");
  ASSERT_EQ(their.update(), 0);

  lin.buffer().setText("LIN:DESCRIPCION", "MIA");
  EXPECT_EQ(rel("Linea").update(true), 5);
  EXPECT_EQ(titles(), "Registro no Actualizado");
  EXPECT_TRUE(script.shown().back().text().contains("Los cambios serán mostrados ahora"));
  // The other station's values are shown now.
  EXPECT_EQ(lin.buffer().text("LIN:DESCRIPCION"), "DE OTRA");
  their.close();

  // The short form without the long-form request.
  lin.watch();
  current("Linea", line);
  Record changed = stored("Linea", line);
  {
    FileManagers again(*otherLayer, errors);
    FileManager& other = again["Linea"];
    other.open();
    other.reget(line);
    other.buffer().setText("LIN:DESCRIPCION", "OTRA VEZ");
    ASSERT_EQ(other.update(), 0);
    other.close();
  }
  lin.buffer().setText("LIN:DESCRIPCION", "MIA");
  EXPECT_EQ(rel("Linea").update(), 5);
  EXPECT_EQ(script.shown().back().text().toStdString(), "Este registro fue modificado por otra estación.");
}

}  // namespace
}  // namespace bv::test
