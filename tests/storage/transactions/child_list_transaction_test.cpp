// A formula saved with its lines in one transaction: the order of writing and
// the hooks, the relation managers' own transactions switched off meanwhile,
// and every failure cancelling the whole save with its "Error!" box.
#include "storage/transactions/child_list_transaction.h"
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

// Passes every box on, noting its title and whether a transaction was running
// when it showed.
class WatchingPresenter : public MessagePresenter {
 public:
  WatchingPresenter(MessagePresenter& next, FileLayer& layer) : next_(next), layer_(layer) {}
  int present(const MessageBox& box) override {
    seen << box.title() + (layer_.inTransaction() ? QStringLiteral(" (en transacción)") : QString());
    return next_.present(box);
  }
  QStringList seen;

 private:
  MessagePresenter& next_;
  FileLayer& layer_;
};

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
  // Every stored record of the tables, by position (placeholders included).
  std::vector<std::pair<RecordPosition, Record>> contents(std::initializer_list<const char*> tables) {
    std::vector<std::pair<RecordPosition, Record>> out;
    for (const char* t : tables)
      for (RecordPosition at = 1; at <= 40; ++at) {
        Record r(file(t).table());
        if (readStoredRecord(file(t), at, r) == kFileOk) out.emplace_back(at, r);
      }
    return out;
  }
  Decimal stock(const char* basic) {
    FileManager& bas = file("Basicos");
    bas.buffer().setText("BAS:CODIGO", basic);
    EXPECT_EQ(bas.fetch(bas.keyDef(u"BAS:KEYCOD")), 0) << basic;
    return bas.buffer().decimal("BAS:STOCK_RELATIVO");
  }
  ChildListTransaction transaction{files};
};

// A purchase-like hook: a line added raises its basic product's stock, read
// and written through the transaction's file managers.
int raiseStock(const Record& line, FileManagers& files) {
  FileManager& bas = files[QStringLiteral("Basicos")];
  bas.buffer().setText("BAS:CODIGO", line.text("FOR2:CODIGO_BASICO"));
  if (bas.fetch(bas.keyDef(u"BAS:KEYCOD")) != 0) return 0;  // a product not on file moves no stock
  bas.buffer().setDecimal("BAS:STOCK_RELATIVO",
                          bas.buffer().decimal("BAS:STOCK_RELATIVO") + line.decimal("FOR2:CANTIDAD"));
  return bas.update();
}

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
  hooks.beforeDelete = [&](const Record& stored, FileManagers&) {
    steps << "borra " + stored.text("FOR2:CODIGO_BASICO");
    // The header is not written yet; the managers' own transactions are off.
    EXPECT_EQ(stored.decimal("FOR2:CANTIDAD"), Decimal(2));
    EXPECT_EQ(this->stored("Formula1", header).text("FOR1:OBSERVACIONES"), "");
    EXPECT_FALSE(rel("Formula2").useLogout());
    return 0;
  };
  hooks.beforeRewrite = [&](const Record& stored, const Record& line, FileManagers&) {
    steps << "reescribe " + stored.text("FOR2:CODIGO_BASICO") + ' ' + stored.decimal("FOR2:CANTIDAD").toQString(0) +
                 ">" + line.decimal("FOR2:CANTIDAD").toQString(0);
    EXPECT_EQ(this->stored("Formula1", header).text("FOR1:OBSERVACIONES"), "NUEVA");
    return 0;
  };
  hooks.beforeAdd = [&](const Record& line, FileManagers&) {
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
  hooks.beforeAdd = [&](const Record& line, FileManagers&) {
    bas.buffer().setText("BAS:CODIGO", line.text("FOR2:CODIGO_BASICO"));
    if (bas.fetch(bas.keyDef(u"BAS:KEYCOD")) != 0) return 5;
    bas.buffer().setDecimal("BAS:STOCK_RELATIVO", Decimal(7));
    return rel("Basicos").update();
  };
  hooks.beforeRewrite = [](const Record&, const Record& line, FileManagers&) { return line.decimal("FOR2:CANTIDAD") > Decimal(50) ? 5 : 0; };
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

TEST_F(ChildLists, AFailedSaveLeavesEveryTableAsItWasShowsItsMessageAfterwardsAndCanBeTriedAgain) {
  FileManager& for1 = file("Formula1");
  ASSERT_EQ(for1.primeRecord(), 0);  // the number is reserved by a placeholder
  const Decimal number = for1.buffer().decimal("FOR1:CODIGO_FORMULA");
  const int code = static_cast<int>(number.toInteger());
  for1.buffer().setText("FOR1:CODIGO_TERMINADO", "T0");
  for1.buffer().setText("FOR1:MODIFICABLE", "S");
  ChildLineHooks hooks;
  hooks.beforeAdd = raiseStock;
  hooks.beforeRewrite = [&](const Record&, const Record&, FileManagers&) {
    // A question cannot wait for the rollback: it is asked at once.
    showMessage(QStringLiteral("¿Seguir?"), QStringLiteral("Pregunta"), MessageIcon::Question, kButtonYes | kButtonNo);
    return 0;
  };
  transaction.setHooks(hooks);
  // AZUL twice: the unique key of formula and product refuses the third line,
  // after the hook has moved the stock of all three.
  std::vector<ChildLine> lines{line(code, "AZUL", 1), line(code, "VERDE", 3), line(code, "AZUL", 2)};
  const auto before = contents({"Formula1", "Formula2", "Basicos"});
  WatchingPresenter watching(script, *layer);
  {
    PresenterScope scope(watching);
    EXPECT_EQ(transaction.save(rel("Formula1"), 0, rel("Formula2"), lines, {&rel("Basicos")}), 5);
  }
  EXPECT_TRUE(contents({"Formula1", "Formula2", "Basicos"}) == before);
  EXPECT_EQ(watching.seen, QStringList{QStringLiteral("Error Clave Duplicada")});
  for (const ChildLine& l : lines) EXPECT_EQ(l.position, 0);
  EXPECT_TRUE(for1.hasPlaceholder());
  EXPECT_TRUE(rel("Basicos").useLogout());

  // Tried again with the duplicate mended: the reserved number is used, every
  // line is added once and the stock moves once.
  lines[2].record.setText("FOR2:CODIGO_BASICO", "ROJO");
  watching.seen.clear();
  {
    PresenterScope scope(watching);
    ASSERT_EQ(transaction.save(rel("Formula1"), 0, rel("Formula2"), lines, {&rel("Basicos")}), 0);
  }
  EXPECT_TRUE(watching.seen.isEmpty());
  EXPECT_EQ(storedLines(code).toStdString(), "AZUL:1 ROJO:2 VERDE:3");
  EXPECT_EQ(stored("Formula1", for1.position()).decimal("FOR1:CODIGO_FORMULA"), number);
  EXPECT_EQ(count("Formula1"), 1);
  EXPECT_FALSE(for1.hasPlaceholder());
  EXPECT_EQ(stock("AZUL"), Decimal(1));
  EXPECT_EQ(stock("ROJO"), Decimal(2));
  EXPECT_EQ(stock("VERDE"), Decimal(3));

  // A rewrite asks its question while the files are held; the refusal of the
  // hook that follows is shown only after the rollback.
  hooks.beforeAdd = [](const Record&, FileManagers&) {
    showMessage(QStringLiteral("Sin stock"), QStringLiteral("Compras"));
    return 5;
  };
  transaction.setHooks(hooks);
  lines.push_back(line(code, "B0", 1));
  const auto saved = contents({"Formula1", "Formula2", "Basicos"});
  {
    PresenterScope scope(watching);
    EXPECT_EQ(transaction.save(rel("Formula1"), for1.position(), rel("Formula2"), lines, {&rel("Basicos")}), 5);
  }
  EXPECT_EQ(watching.seen, (QStringList{"Pregunta (en transacción)", "Pregunta (en transacción)",
                                        "Pregunta (en transacción)", "Compras"}));
  EXPECT_TRUE(contents({"Formula1", "Formula2", "Basicos"}) == saved);
  EXPECT_EQ(lines.back().position, 0);
  EXPECT_NE(lines.front().position, 0);
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
