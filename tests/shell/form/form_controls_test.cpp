// The controls of a form other than entries, and the table's rules at OK.
#include "tests/shell/browse/list_fixture.h"
#include "tests/shell/browse/test_declarations.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace bv;
using namespace bv::test;

namespace {

const FormDeclaration& productDetailForm() {
  static const FormDeclaration form = [] {
    FormField system;
    system.prompt = QStringLiteral("Sistema");
    system.field = QStringLiteral("TER:SISTEMA");
    system.control = FormControl::Option;
    system.choices = {{QStringLiteral("Mezcla"), QStringLiteral("M")}, {QStringLiteral("Entintado"), QStringLiteral("E")}};
    system.history = true;
    FormField sheet;
    sheet.prompt = QStringLiteral("&Ficha Tecnica:");
    sheet.field = QStringLiteral("TER:FICHA_TECNICA");
    sheet.control = FormControl::Text;
    sheet.tip = QStringLiteral("Datos tecnicos que pueda considerarse de utilidad");
    FormField marked;
    marked.prompt = QStringLiteral("Marcado");
    marked.field = QStringLiteral("TER:CODIGO");
    marked.control = FormControl::Check;
    marked.choices = {{QStringLiteral("NO"), QStringLiteral("NO")}, {QStringLiteral("SI"), QStringLiteral("SI")}};
    return FormDeclaration{
        .procedure = QStringLiteral("TestUpdateTerminadoDetail"),
        .caption = QStringLiteral("Update Terminado File"),
        .table = QStringLiteral("Terminado"),
        .tabs = {{QStringLiteral("General"), {marked, system, sheet}}},
    };
  }();
  return form;
}

const ListDeclaration& productDetailList() {
  static const ListDeclaration list = [] {
    ListDeclaration l = productList();
    l.procedure = QStringLiteral("TestBrowseTerminadoDetail");
    l.form = productDetailForm;
    return l;
  }();
  return list;
}

class ControlsTest : public ListTest {
 protected:
  FormWindow* form() { return open<FormWindow>(); }
};

}  // namespace

TEST_F(ControlsTest, OptionsCheckBoxesAndTextsShowAndStoreTheirFields) {
  add("Linea", [](Record& r) { r.setDecimal("LIN:CODIGO", 1); });
  const RecordPosition at = add("Terminado", [](Record& r) {
    r.setText("TER:CODIGO", "SI");
    r.setDecimal("TER:LINEA", 1);
    r.setText("TER:SISTEMA", "E");
    r.setMemo("primera línea\nsegunda línea");
  });
  ListWindow* list = openList(productDetailList());
  ASSERT_NE(list, nullptr);
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  EXPECT_TRUE(child<QRadioButton>(form(), "?TER:SISTEMA:2")->isChecked());
  EXPECT_FALSE(child<QRadioButton>(form(), "?TER:SISTEMA:1")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(form(), "?TER:CODIGO")->isChecked());
  auto* text = child<QPlainTextEdit>(form(), "?TER:FICHA_TECNICA");
  EXPECT_EQ(text->toPlainText(), QStringLiteral("primera línea\nsegunda línea"));
  EXPECT_EQ(text->toolTip(), QStringLiteral("Datos tecnicos que pueda considerarse de utilidad"));
  child<QRadioButton>(form(), "?TER:SISTEMA:1")->click();
  text->setPlainText(QStringLiteral("otra"));
  click(form(), "?OK");
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(stored("Terminado", at)->text("TER:SISTEMA"), QStringLiteral("M"));
  EXPECT_EQ(stored("Terminado", at)->memo(), QStringLiteral("otra"));
}

TEST_F(ControlsTest, OkRunsTheTablesRulesWithTheirMessagesAndKeepsTheFormOpen) {
  ListWindow* list = openList(productDetailList());
  ASSERT_NE(list, nullptr);
  click(list, "?Insert");
  ASSERT_NE(form(), nullptr);
  child<QRadioButton>(form(), "?TER:SISTEMA:1")->click();
  click(form(), "?OK");  // TER:LINEA 0 is no line on file
  ASSERT_NE(form(), nullptr);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown().front().title(), QStringLiteral("Error en Contenido de campo"));
  EXPECT_TRUE(script.shown().front().text().contains(QStringLiteral("Linea")));
  EXPECT_EQ(count("Terminado"), 0);
  script.answer(QStringLiteral("&NO"));
  click(form(), "?Cancel");
  EXPECT_EQ(form(), nullptr);
}
