// The general-parameters and taxes forms over the one Paramet record: the
// mode each opens in, their titles, the cancel question, the switch copied to
// Glo:ModificaFormulas on OK, and never a second record.
#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/parametros/parametros_windows.h"
#include "shell/globals.h"
#include "tests/shell/browse/list_fixture.h"

#include <QCheckBox>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

Decimal dec(const char* text) { return Decimal::parse(QString::fromLatin1(text)).value(); }

TEST(ParametersRules, TheFileDecidesOverAStaleActionAndTheTitleCarriesTheVatRate) {
  EXPECT_EQ(parametros::parametersRequest(u"A"_s, false), kInsertRecord);
  EXPECT_EQ(parametros::parametersRequest(u"M"_s, true), kChangeRecord);
  // The record appeared since the menu looked: it is changed, not added again.
  EXPECT_EQ(parametros::parametersRequest(u"A"_s, true), kChangeRecord);
  // Nothing to change: the record is added.
  EXPECT_EQ(parametros::parametersRequest(u"M"_s, false), kInsertRecord);

  EXPECT_EQ(parametros::parametersTitle(u"Agregando..."_s, kInsertRecord, dec("21")), u"Agregando...  (Nuevo)"_s);
  EXPECT_EQ(parametros::parametersTitle(u"Editando Impuestos Generales"_s, kChangeRecord, dec("21.00")),
            u"Editando Impuestos Generales  (21)"_s);
  EXPECT_EQ(parametros::plainNumber(dec("10.50")), u"10.5"_s);
  EXPECT_EQ(parametros::plainNumber(dec("0.00")), u"0"_s);
  EXPECT_EQ(parametros::plainNumber(dec("100")), u"100"_s);
}

class ParametrosTest : public ListTest {
 protected:
  ~ParametrosTest() override { glo().clear(); }

  void stored(const char* vat, const char* allows) {
    add("Paramet", [&](Record& r) {
      r.setDecimal("PAR:CANTIDAD_DE_BONIFICACIONES", 3);
      r.setDecimal("PAR:ALICUOTA_DEL_IVA", dec(vat));
      r.setText("PAR:MODIFICAFORMULAS", QString::fromLatin1(allows));
    });
  }
  // Starts a form as the menu does: the action set just before, the window
  // made in the start's own context.
  FormWindow* start(const FormDeclaration& (*declaration)(), const char* action, ContextId in = 0) {
    const ContextId ctx = in ? in : context;
    ContextGuard guard(ctx);
    glo().AccionParametros = QString::fromLatin1(action);
    const WindowFactory factory = parametros::parametersWindow(declaration, relations);
    std::unique_ptr<QWidget> window = factory(ProcedureStart{declaration().procedure, ctx, &area});
    if (!window) return nullptr;
    auto* form = qobject_cast<FormWindow*>(window.get());
    openChildWindow(area, std::move(window), declaration().procedure);
    testing_shell::settle();
    return form;
  }
  Record only() {
    auto handle = layer->file(*Dictionary::instance().table(u"Paramet"_s));
    handle->open(kShareDenyNone);
    Record r(handle->table());
    handle->setPosition(nullptr, FileEdge::Start);
    EXPECT_EQ(handle->next(r), kFileOk);
    return r;
  }
  QString field(FormWindow* form, const QString& name) { return child<QLineEdit>(form, name)->text().trimmed(); }
};

}  // namespace

TEST_F(ParametrosTest, OnAnEmptyFileBothFormsAddAndOnceTheRecordIsThereBothChangeIt) {
  FormWindow* form = start(parametros::parametros, "A");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), kInsertRecord);
  EXPECT_EQ(form->windowTitle(), u"Agregando...  (Nuevo)"_s);
  EXPECT_NE(child<QCheckBox>(form, u"?PAR:MODIFICAFORMULAS"_s), nullptr);
  type(child<QLineEdit>(form, u"?PAR:CANTIDAD_DE_BONIFICACIONES"_s), u"2"_s);
  type(child<QLineEdit>(form, u"?PAR:ALICUOTA_DEL_IVA"_s), u"21"_s);
  child<QCheckBox>(form, u"?PAR:MODIFICAFORMULAS"_s)->click();
  click(form, u"?OK"_s);
  EXPECT_EQ(open<FormWindow>(), nullptr) << titles().join(u", ").toStdString();
  ASSERT_EQ(count("Paramet"), 1);
  EXPECT_EQ(only().text("PAR:MODIFICAFORMULAS"), u"S"_s);
  EXPECT_EQ(glo().ModificaFormulas.trimmed(), u"S"_s);

  form = start(parametros::impuestos, "M");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), kChangeRecord);
  EXPECT_EQ(form->windowTitle(), u"Editando Impuestos Generales  (21)"_s);
  EXPECT_EQ(field(form, u"?PAR:ALICUOTA_DEL_IVA"_s), u"21.00"_s);
  type(child<QLineEdit>(form, u"?PAR:ALICUOTA_DEL_IVA"_s), u"10.5"_s);
  click(form, u"?OK"_s);
  EXPECT_EQ(open<FormWindow>(), nullptr) << titles().join(u", ").toStdString();
  ASSERT_EQ(count("Paramet"), 1);
  EXPECT_EQ(only().decimal("PAR:ALICUOTA_DEL_IVA"), dec("10.50"));
  EXPECT_EQ(only().decimal("PAR:CANTIDAD_DE_BONIFICACIONES"), dec("2"));

  form = start(parametros::parametros, "M");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), u"Editando Parametros Generales  (10.5)"_s);
  EXPECT_TRUE(child<QCheckBox>(form, u"?PAR:MODIFICAFORMULAS"_s)->isChecked());
}

TEST_F(ParametrosTest, NeverASecondRecordWhetherTheActionIsStaleOrTwoFormsAddAtOnce) {
  // The menu looked while the file was empty; the record was added since.
  stored("21", "S");
  FormWindow* form = start(parametros::impuestos, "A");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), kChangeRecord);
  type(child<QLineEdit>(form, u"?PAR:ALICUOTA_DEL_IVA"_s), u"27"_s);
  click(form, u"?OK"_s);
  EXPECT_EQ(count("Paramet"), 1);
  EXPECT_EQ(only().decimal("PAR:ALICUOTA_DEL_IVA"), dec("27"));
}

TEST_F(ParametrosTest, OfTwoFormsAddingOnAnEmptyFileOnlyTheFirstWrites) {
  const ContextId second = ExecutionContext::create();
  FormWindow* first = start(parametros::parametros, "A");
  FormWindow* other = start(parametros::impuestos, "A", second);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->request(), kInsertRecord);
  type(child<QLineEdit>(first, u"?PAR:ALICUOTA_DEL_IVA"_s), u"21"_s);
  click(first, u"?OK"_s);
  ASSERT_EQ(count("Paramet"), 1);
  type(child<QLineEdit>(other, u"?PAR:ALICUOTA_DEL_IVA"_s), u"10"_s);
  click(other, u"?OK"_s);
  EXPECT_EQ(count("Paramet"), 1);
  EXPECT_EQ(only().decimal("PAR:ALICUOTA_DEL_IVA"), dec("21"));
  EXPECT_TRUE(titles().contains(u"Registro no Actualizado"_s));
  EXPECT_EQ(open<FormWindow>(), other);  // still open: the user cancels and opens it again
  script.answer(u"&SI"_s);
  click(other, u"?Cancel"_s);
  ExecutionContext::release(second);
}

TEST_F(ParametrosTest, CancelAsksOnlyAfterAChangeAndNeverOffersToSave) {
  stored("21", "S");
  FormWindow* form = start(parametros::parametros, "M");
  ASSERT_NE(form, nullptr);
  click(form, u"?Cancel"_s);
  EXPECT_EQ(open<FormWindow>(), nullptr);
  EXPECT_TRUE(script.shown().empty());

  form = start(parametros::parametros, "M");
  ASSERT_NE(form, nullptr);
  type(child<QLineEdit>(form, u"?PAR:ALICUOTA_DEL_IVA"_s), u"5"_s);
  script.answer(u"&NO"_s);
  click(form, u"?Cancel"_s);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown().back().title(), u"Cambios serán perdidos!"_s);
  EXPECT_EQ(script.shown().back().text(), u"¿Está seguro que desea cancelar?"_s);
  EXPECT_EQ(open<FormWindow>(), form);
  script.answer(u"&SI"_s);
  click(form, u"?Cancel"_s);
  EXPECT_EQ(open<FormWindow>(), nullptr);
  EXPECT_EQ(only().decimal("PAR:ALICUOTA_DEL_IVA"), dec("21"));
  EXPECT_FALSE(titles().contains(u"Guardar Registro"_s));
}

TEST_F(ParametrosTest, UncheckingTheSwitchMakesBasicProductsReadOnlyInListsOpenedAfterwards) {
  stored("21", "S");
  glo().ModificaFormulas = u"S"_s;
  ListWindow* before = openList(basicos::browseBasicos());
  ASSERT_NE(before, nullptr);
  EXPECT_TRUE(before->isConnected(ListAction::Insert));

  FormWindow* form = start(parametros::parametros, "M");
  ASSERT_NE(form, nullptr);
  auto* box = child<QCheckBox>(form, u"?PAR:MODIFICAFORMULAS"_s);
  ASSERT_TRUE(box->isChecked());
  box->click();
  click(form, u"?OK"_s);
  EXPECT_EQ(open<FormWindow>(), nullptr) << titles().join(u", ").toStdString();
  EXPECT_EQ(only().text("PAR:MODIFICAFORMULAS"), u"N"_s);
  EXPECT_EQ(glo().ModificaFormulas, u"N"_s);

  ListWindow* after = openList(basicos::browseBasicos());
  ASSERT_NE(after, nullptr);
  EXPECT_FALSE(after->isConnected(ListAction::Insert));
  EXPECT_FALSE(after->isConnected(ListAction::Delete));
}
