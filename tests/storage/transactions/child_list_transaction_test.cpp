// A formula saved with its lines in one transaction: the order of writing and
// the hooks, the relation managers' own transactions switched off meanwhile,
// and every failure cancelling the whole save with its "Error!" box.
#include "storage/transactions/child_list_transaction.h"
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

class ChildLists : public RelationsTest {
 protected:
  void SetUp() override {
    baseline();
    for (const char* code : {"AZUL", "ROJO", "VERDE"}) {
      Record b = valid("Basicos");
      b.setText("BAS:CODIGO", code);
      add("Basicos", b);
    }
  }
  ChildLine line(int formula, const char* basic, int quantity, RecordPosition position = 0) {
    Record r = valid("Formula2");
    r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(formula));
    r.setText("FOR2:CODIGO_BASICO", basic);
    r.setDecimal("FOR2:CANTIDAD", Decimal(quantity));
    return {r, position};
  }
  // The stored lines of a formula, "BASIC:QUANTITY" in key order.
  QString storedLines(int formula) {
    FileManager& m = file("Formula2");
    QStringList out;
    m.buffer().clear();
    m.buffer().setDecimal("FOR2:CODIGO_FORMULA", Decimal(formula));
    m.setPosition(m.keyDef(u"FOR2:KEYCODBAS"));
    while (m.next() == 0 && m.buffer().decimal("FOR2:CODIGO_FORMULA") == Decimal(formula))
      out << m.buffer().text("FOR2:CODIGO_BASICO") + u':' + m.buffer().decimal("FOR2:CANTIDAD").toQString(0);
    return out.join(u' ');
  }
  // A stored formula with two lines; the form has it as its current record.
  RecordPosition storedFormula(std::vector<ChildLine>& lines) {
    Record f = valid("Formula1");
    f.setDecimal("FOR1:CODIGO_FORMULA", Decimal(5));
    f.setText("FOR1:CODIGO_TERMINADO", "T0");
    const RecordPosition at = add("Formula1", f);
    for (ChildLine l : {line(5, "AZUL", 1), line(5, "ROJO", 2)}) {
      l.position = add("Formula2", l.record);
      lines.push_back(l);
    }
    current("Formula1", at);
    return at;
  }
  ChildListTransaction transaction{*layer};
};

TEST_F(ChildLists, NewFormulaAndItsLinesInOneTransaction) {
  FileManager& for1 = file("Formula1");
  ASSERT_EQ(for1.primeRecord(), 0);  // reserves the number with a placeholder
  const int code = static_cast<int>(for1.buffer().decimal("FOR1:CODIGO_FORMULA").toInteger());
  for1.buffer().setText("FOR1:CODIGO_TERMINADO", "T0");
  for1.buffer().setText("FOR1:MODIFICABLE", "S");
  std::vector<ChildLine> lines{line(code, "VERDE", 3), line(code, "AZUL", 1)};
  layer->begins = 0;
  layer->recorded.marked.clear();
  ASSERT_EQ(transaction.save(rel("Formula1"), 0, rel("Formula2"), lines), 0);
  EXPECT_EQ(layer->begins, 1);
  EXPECT_EQ(test::lines(layer->recorded.marked), test::lines({"Formula1", "Formula2"}));
  EXPECT_FALSE(for1.hasPlaceholder());
  EXPECT_EQ(storedLines(code).toStdString(), "AZUL:1 VERDE:3");
  EXPECT_NE(lines[0].position, 0);
  EXPECT_EQ(stored("Formula2", lines[0].position).text("FOR2:CODIGO_BASICO"), "VERDE");
  EXPECT_EQ(titles(), "");
}

TEST_F(ChildLists, StoredLinesGoFirstThenTheHeaderThenRewritesThenAdditions) {
  std::vector<ChildLine> lines;
  const RecordPosition header = storedFormula(lines);
  // ROJO leaves the list and comes back as a new line: the unique key of
  // formula and basic product must not meet the stored ROJO.
  lines.erase(lines.begin() + 1);
  lines[0].record.setDecimal("FOR2:CANTIDAD", Decimal(10));
  lines.push_back(line(5, "ROJO", 20));
  lines.push_back(line(5, "VERDE", 30));
  file("Formula1").buffer().setText("FOR1:OBSERVACIONES", "NUEVA");

  QStringList steps;
  ChildLineHooks hooks;
  hooks.beforeDelete = [&](const Record& stored) {
    steps << "borra " + stored.text("FOR2:CODIGO_BASICO");
    // The header is not written yet; the managers' own transactions are off.
    EXPECT_EQ(stored.decimal("FOR2:CANTIDAD"), Decimal(2));
    EXPECT_EQ(this->stored("Formula1", header).text("FOR1:OBSERVACIONES"), "");
    EXPECT_FALSE(rel("Formula2").useLogout());
    return 0;
  };
  hooks.beforeRewrite = [&](const Record& stored, const Record& line) {
    steps << "reescribe " + stored.text("FOR2:CODIGO_BASICO") + ' ' + stored.decimal("FOR2:CANTIDAD").toQString(0) +
                 ">" + line.decimal("FOR2:CANTIDAD").toQString(0);
    EXPECT_EQ(this->stored("Formula1", header).text("FOR1:OBSERVACIONES"), "NUEVA");
    return 0;
  };
  hooks.beforeAdd = [&](const Record& line) {
    steps << "agrega " + line.text("FOR2:CODIGO_BASICO");
    return 0;
  };
  transaction.setHooks(hooks);
  ASSERT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines), 0);
  EXPECT_EQ(test::lines(steps), test::lines({"borra ROJO", "reescribe AZUL 1>10", "agrega ROJO", "agrega VERDE"}));
  EXPECT_EQ(storedLines(5).toStdString(), "AZUL:10 ROJO:20 VERDE:30");
  EXPECT_EQ(stored("Formula1", header).text("FOR1:OBSERVACIONES"), "NUEVA");
  EXPECT_TRUE(rel("Formula1").useLogout());
  EXPECT_TRUE(rel("Formula2").useLogout());
  EXPECT_FALSE(layer->inTransaction());
}

TEST_F(ChildLists, HookWritesJoinTheTransactionAndAStopCancelsEverything) {
  std::vector<ChildLine> lines;
  const RecordPosition header = storedFormula(lines);
  // A purchase-like hook adjusting a basic product's stock.
  FileManager& bas = file("Basicos");
  ChildLineHooks hooks;
  hooks.beforeAdd = [&](const Record& line) {
    bas.buffer().setText("BAS:CODIGO", line.text("FOR2:CODIGO_BASICO"));
    if (bas.fetch(bas.keyDef(u"BAS:KEYCOD")) != 0) return 5;
    bas.buffer().setDecimal("BAS:STOCK_RELATIVO", Decimal(7));
    return rel("Basicos").update();
  };
  hooks.beforeRewrite = [](const Record&, const Record& line) { return line.decimal("FOR2:CANTIDAD") > Decimal(50) ? 5 : 0; };
  transaction.setHooks(hooks);
  lines.push_back(line(5, "VERDE", 3));
  lines[0].record.setDecimal("FOR2:CANTIDAD", Decimal(99));  // refused by the rewrite hook
  std::rotate(lines.begin(), lines.begin() + 2, lines.end());  // the addition listed first
  file("Formula1").buffer().setText("FOR1:OBSERVACIONES", "NUEVA");
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines, {&rel("Formula1"), &rel("Formula2"), &rel("Basicos")}),
            5);
  EXPECT_EQ(storedLines(5).toStdString(), "AZUL:1 ROJO:2");
  EXPECT_EQ(stored("Formula1", header).text("FOR1:OBSERVACIONES"), "");
  bas.buffer().setText("BAS:CODIGO", "VERDE");
  ASSERT_EQ(bas.fetch(bas.keyDef(u"BAS:KEYCOD")), 0);
  EXPECT_EQ(bas.buffer().decimal("BAS:STOCK_RELATIVO"), Decimal(0));
  EXPECT_TRUE(rel("Basicos").useLogout());

  // Within limits, the stock change commits with the lines.
  lines[1].record.setDecimal("FOR2:CANTIDAD", Decimal(9));
  ASSERT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines, {&rel("Formula1"), &rel("Formula2"), &rel("Basicos")}),
            0);
  EXPECT_EQ(storedLines(5).toStdString(), "AZUL:9 ROJO:2 VERDE:3");
  ASSERT_EQ(bas.fetch(bas.keyDef(u"BAS:KEYCOD")), 0);
  EXPECT_EQ(bas.buffer().decimal("BAS:STOCK_RELATIVO"), Decimal(7));
}

TEST_F(ChildLists, StartFailures) {
  std::vector<ChildLine> lines;
  const RecordPosition header = storedFormula(lines);
  // A table whose driver cannot take part is left out.
  layer->recorded.markCodes["Formula2"] = kTransactionNotSupported;
  ASSERT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines), 0);
  EXPECT_EQ(titles(), "");
  // Any other mark error: message 21.
  layer->recorded.markCodes["Formula2"] = kFileAccessDenied;
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines), 5);
  EXPECT_EQ(titles(), "Transacción Cancelada");
  EXPECT_TRUE(rel("Formula1").useLogout());
  // A transaction that cannot start.
  layer->recorded.markCodes.clear();
  layer->recorded.beginCode = kFileAccessDenied;
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), lines), 5);
  EXPECT_EQ(script.shown().back().title().toStdString(), "Error!");
  EXPECT_EQ(script.shown().back().text().toStdString(), "Cannot LOGOUT files!||(Error #5 - Acceso denegado)");
  EXPECT_EQ(test::lines(script.shown().back().lines()), test::lines({"Cannot LOGOUT files!", "", "(Error #5 - Acceso denegado)"}));
  EXPECT_FALSE(layer->inTransaction());
}

TEST_F(ChildLists, WriteAndCommitFailuresCancelTheSave) {
  std::vector<ChildLine> lines;
  const RecordPosition header = storedFormula(lines);
  file("Formula1").buffer().setText("FOR1:OBSERVACIONES", "NUEVA");
  const auto unchanged = [&] {
    EXPECT_EQ(storedLines(5).toStdString(), "AZUL:1 ROJO:2");
    EXPECT_EQ(stored("Formula1", header).text("FOR1:OBSERVACIONES"), "");
    EXPECT_FALSE(layer->inTransaction());
  };

  // A listed line deleted meanwhile cannot be read again.
  std::vector<ChildLine> gone = lines;
  gone[1].position = 999;
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), gone), 5);
  // (ROJO at its stored place is no longer listed and goes first; the cancel
  // brings it back.)
  EXPECT_EQ(titles(), "Error!");
  EXPECT_EQ(script.shown().back().text().toStdString(), "Cannot Reget Child Record");
  unchanged();

  // A stored line that cannot be deleted.
  std::vector<ChildLine> shorter{lines[0]};
  layer->recorded.removeCodes["Formula2"] = kFileAccessDenied;
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), shorter), 5);
  EXPECT_EQ(script.shown()[script.shown().size() - 2].title().toStdString(), "Registro no fue Borrado");
  EXPECT_EQ(script.shown().back().text().toStdString(), "Cannot delete child records!");
  unchanged();
  layer->recorded.removeCodes.clear();

  // The commit itself.
  layer->recorded.commitCode = kFileAccessDenied;
  EXPECT_EQ(transaction.save(rel("Formula1"), header, rel("Formula2"), shorter), 5);
  EXPECT_EQ(script.shown().back().title().toStdString(), "Error!");
  EXPECT_EQ(script.shown().back().text().toStdString(), "Error Committing Update!||(#5 - Acceso denegado)");
  layer->recorded.commitCode = 0;
  unchanged();
  EXPECT_TRUE(rel("Formula2").useLogout());
}

}  // namespace
}  // namespace bv::test
