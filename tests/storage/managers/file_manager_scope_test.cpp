// Buffers and positions: per execution context, per alias, per procedure; and
// reading in sequence with its failures.
#include "injecting_layer.h"
#include "manager_fixture.h"
#include "runtime/filter/filter_expression.h"

namespace bv::test {
namespace {

class ScopeTest : public ManagerTest {
 protected:
  ScopeTest() : bas(managers["Basicos"]), byCode(bas.keyDef(u"BAS:KEYCOD")) {
    EXPECT_EQ(bas.open(), 0);
    for (const char* c : {"B1", "B2", "B3"}) {
      basico(bas, c, c);
      EXPECT_EQ(bas.insert(), 0);
    }
    bas.buffer().clear();
  }
  ~ScopeTest() override {
    while (bas.openCount() > 0) bas.close();
  }

  QString nextCode(FileManager& m) { return m.next() == 0 ? code(m) : QStringLiteral("<end>"); }

  FileManager& bas;
  const KeyDef& byCode;
};

TEST_F(ScopeTest, ACalledProcedureLeavesTheCallersRecordAndPosition) {
  errors.setProcedureName("BrowseBasicos");
  ASSERT_EQ(bas.setPosition(&byCode, FileEdge::Start), 0);
  EXPECT_EQ(nextCode(bas), "B1");
  EXPECT_EQ(nextCode(bas), "B2");
  bas.buffer().setText(2, "EDITADO");

  errors.setProcedureName("UpdateBasicos");
  ASSERT_EQ(bas.open(), 0);
  ASSERT_EQ(bas.open(), 0);  // nested opens of one procedure only count
  EXPECT_EQ(managers.scopes().size(), 2);
  basico(bas, "B3");
  ASSERT_EQ(bas.fetch(byCode), 0);
  ASSERT_EQ(bas.setPosition(&byCode, FileEdge::Start), 0);
  EXPECT_EQ(nextCode(bas), "B1");
  bas.close();
  EXPECT_EQ(code(bas), "B1");
  bas.close();
  errors.removeProcedureName();

  EXPECT_EQ(managers.scopes().size(), 1);
  EXPECT_EQ(code(bas), "B2");
  EXPECT_EQ(bas.buffer().text(2), "EDITADO");
  EXPECT_EQ(nextCode(bas), "B3");
  errors.removeProcedureName();
}

TEST_F(ScopeTest, TwoContextsKeepSeparateBuffersAndPositions) {
  ASSERT_EQ(bas.setPosition(&byCode, FileEdge::Start), 0);
  EXPECT_EQ(nextCode(bas), "B1");
  const ContextId window = ExecutionContext::create();
  {
    ContextGuard guard(window);
    EXPECT_EQ(bas.buffer(), Record(bas.table()));
    EXPECT_EQ(bas.next(), 3);  // this context never opened the table
    EXPECT_EQ(lastBox().title(), "Error de Uso");
    ASSERT_EQ(bas.open(), 0);
    ASSERT_EQ(bas.setPosition(&byCode, FileEdge::End), 0);
    ASSERT_EQ(bas.previous(), 0);
    EXPECT_EQ(code(bas), "B3");
  }
  EXPECT_EQ(code(bas), "B1");
  EXPECT_EQ(nextCode(bas), "B2");
  {
    ContextGuard guard(window);
    ASSERT_EQ(bas.previous(), 0);
    EXPECT_EQ(code(bas), "B2");
    bas.close();
  }
  managers.dropContext(window);
  EXPECT_EQ(nextCode(bas), "B3");
  EXPECT_EQ(nextCode(bas), "<end>");
  EXPECT_TRUE(bas.endOfFile());
}

TEST_F(ScopeTest, AnAliasHasItsOwnBufferAndPositionOnTheSameFile) {
  FileManager& alias = managers["A_Basicos"];
  ASSERT_EQ(alias.open(), 0);
  ASSERT_EQ(alias.primeRecord(), 0);
  EXPECT_EQ(alias.buffer().text(6), "D");  // the base table's primed value
  alias.buffer().setText(1, "B0");
  alias.buffer().setText(2, "DESDE EL ALIAS");
  alias.buffer().setDecimal(4, dec("12.50"));
  alias.buffer().setMemo("ficha");
  ASSERT_EQ(alias.insert(), 0);

  basico(bas, "B0");
  ASSERT_EQ(bas.fetch(byCode), 0);
  EXPECT_EQ(bas.buffer().text(2), "DESDE EL ALIAS");
  EXPECT_EQ(bas.buffer().decimal(4), dec("12.50"));
  EXPECT_EQ(bas.buffer().memo(), "ficha");

  ASSERT_EQ(bas.setPosition(&byCode, FileEdge::Start), 0);
  ASSERT_EQ(alias.setPosition(&alias.keyDef(u"A_BAS:KEYCOD"), FileEdge::Start), 0);
  EXPECT_EQ(nextCode(bas), "B0");
  EXPECT_EQ(nextCode(alias), "B0");
  EXPECT_EQ(nextCode(alias), "B1");
  EXPECT_EQ(nextCode(bas), "B1");
  EXPECT_EQ(nextCode(alias), "B2");
  EXPECT_EQ(code(bas), "B1");

  // The alias validates by the base table's rules, in the base's buffer, which
  // it leaves as it was.
  alias.buffer().setText(6, "X");
  EXPECT_EQ(alias.validateRecord(), 6);
  EXPECT_EQ(code(bas), "B1");
  alias.close();
}

TEST_F(ScopeTest, BoundFieldsReadTheEvaluatingContextsBuffer) {
  FilterFunctionBinding binding;
  bas.bindFields(binding);
  const auto filter = FilterExpression::compile(
      "BAS:COSTO > 10 AND BAS:Ficha_tecnica = 'seca' AND BAS:CODIGO = 'B1'", binding);
  ASSERT_TRUE(filter);
  basico(bas, "B1", "", "12");
  bas.buffer().setMemo("seca");
  EXPECT_TRUE(filter->evaluate(binding));
  const ContextId window = ExecutionContext::create();
  {
    ContextGuard guard(window);
    EXPECT_FALSE(filter->evaluate(binding));
  }
  bas.buffer().setDecimal(4, Decimal(9));
  EXPECT_FALSE(filter->evaluate(binding));
  managers.dropContext(window);

  FilterFunctionBinding planilla;
  managers["Planilla"].bindFields(planilla);
  managers["Planilla"].buffer().setDecimal("PLA:BASICO", dec("2.5"), 1);
  const auto element = FilterExpression::compile("PLA:BASICO = 2.5", planilla);
  ASSERT_TRUE(element);
  EXPECT_TRUE(element->evaluate(planilla));
}

TEST_F(ScopeTest, ReadFailuresInSequence) {
  auto layer = std::make_shared<InjectingLayer>(makeTestLayer({dir.path(), dir.path()}));
  FileManagers own(*layer, errors);
  FileManager& m = own["Basicos"];
  ASSERT_EQ(m.open(), 0);
  ASSERT_EQ(m.setPosition(&byCode, FileEdge::Start), 0);

  layer->injections.codes["next"] = {kRecordHeld};
  EXPECT_EQ(m.next(), 5);
  EXPECT_EQ(lastBox().title(), "Registro NO leido");
  EXPECT_EQ(lastBox().text(),
            "Un registro bloqueado por otra terminal fue encontrado al leer de tabla Basicos.tps .");

  m.setSkipHeldRecords(true);
  layer->injections.codes["next"] = {kRecordHeld};
  EXPECT_EQ(m.next(), 0);
  EXPECT_EQ(code(m), "B1");

  layer->injections.codes["next"] = {kFileSystemError};
  EXPECT_EQ(m.tryNext(), 3);
  const std::size_t shown = script.shown().size();
  layer->injections.codes["next"] = {kFileSystemError};
  EXPECT_EQ(m.next(), 5);
  EXPECT_EQ(script.shown().size(), shown + 1);
  EXPECT_EQ(lastBox().title(), "Error de Retribución");
  EXPECT_TRUE(
      lastBox().text().startsWith("Error: (No queda espacio en el dispositivo (28)) al intentar acceder"));
  EXPECT_FALSE(m.endOfFile());
  m.close();
}

}  // namespace
}  // namespace bv::test
