// The basic products: the net cost in its order of steps, the list joined to
// the line its code names, its locators and query on the net cost, the form's
// line part, and the access switch; the line list and form with their rules.
#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/basicos/net_cost.h"
#include "masterdata/linea/linea_windows.h"
#include "shell/browse/list_output.h"
#include "shell/qbe/list_query_by_example.h"
#include "shell/qbe/query_form.h"
#include "shell/qbe/query_form_names.h"
#include "shell/globals.h"
#include "tests/shell/browse/list_fixture.h"

#include <QComboBox>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

Decimal dec(const char* text) { return Decimal::parse(QString::fromLatin1(text)).value(); }

TEST(NetCost, TakesTheThreeDiscountsOneAfterTheOtherKeepingFourPlacesAtEachStep) {
  EXPECT_EQ(basicos::netCost(dec("100.00"), dec("10"), dec("5"), dec("0")), dec("85.5000"));
  EXPECT_EQ(basicos::netCost(dec("100.00"), dec("0"), dec("0"), dec("0")), dec("100.0000"));
  // Rounded once at the end this would be 33.6594: each step keeps four places.
  EXPECT_EQ(basicos::netCost(dec("353.34"), dec("72.97"), dec("43.63"), dec("37.48")), dec("33.6593"));
  EXPECT_EQ(basicos::netCost(dec("69823.41"), dec("91.16"), dec("16.38"), dec("30.45")), dec("3589.7203"));
  // Discounts past 100 give a negative cost rather than anything hidden.
  EXPECT_TRUE(basicos::netCost(dec("10.00"), dec("150"), dec("0"), dec("0")).isNegative());
}

class BasicosTest : public ListTest {
 protected:
  BasicosTest() { glo().ModificaFormulas = u"S"_s; }
  ~BasicosTest() override { glo().clear(); }

  void line(int code, const char* description, const char* b1, const char* b2, const char* b3) {
    add("Linea", [&](Record& r) {
      r.setDecimal("LIN:CODIGO", code);
      r.setText("LIN:DESCRIPCION", QString::fromUtf8(description));
      r.setDecimal("LIN:BONI1", dec(b1));
      r.setDecimal("LIN:BONI2", dec(b2));
      r.setDecimal("LIN:BONI3", dec(b3));
      r.setDecimal("LIN:MARGEN", dec("30"));
    });
  }
  RecordPosition product(const char* code, const char* description, const char* cost) {
    return add("Basicos", [&](Record& r) {
      r.setText("BAS:CODIGO", QString::fromUtf8(code));
      r.setText("BAS:DESCRIPCION", QString::fromUtf8(description));
      r.setDecimal("BAS:COSTO", dec(cost));
      r.setText("BAS:MONEDA", u"D"_s);
    });
  }
  void catalogue() {
    line(7, "EPOXI", "10", "5", "0");
    line(8, "SINTETICO", "20", "0", "0");
    product("7", "BASE EPOXI BLANCA", "100.00");
    product("8", "ROJO OXIDO SINTETICO", "50.00");
    product("01BASE", "BASE UNIVERSAL ROJA", "40.00");
  }
  // Column of a header in the list's row.
  static int at(const char* header) {
    const auto& columns = basicos::browseBasicos().columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
      if (columns[i].header == QString::fromUtf8(header)) return static_cast<int>(i);
    return -1;
  }
  QString cell(const ListWindow& list, const char* code, const char* header) {
    for (const ListRow& r : list.rows())
      if (r.texts[0].trimmed() == QString::fromUtf8(code)) return r.texts[at(header)].trimmed();
    return u"(no row)"_s;
  }
  FormWindow* form() { return open<FormWindow>(); }
  QString shown(const QString& name) {
    auto* w = child<QWidget>(form(), name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().trimmed();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text().trimmed();
    return u"(none)"_s;
  }
  void selectCode(ListWindow* list, const char* code) {
    for (std::size_t i = 0; i < list->rows().size(); ++i)
      if (list->rows()[i].texts[0].trimmed() == QString::fromUtf8(code)) list->setCurrentRow(static_cast<int>(i));
  }
};

}  // namespace

TEST_F(BasicosTest, EachProductShowsTheLineItsCodeNamesAndItsNetCostThere) {
  catalogue();
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Productos Básicos"_s);
  // By description first.
  EXPECT_EQ(column(*list, 0), (QStringList{u"7"_s, u"01BASE"_s, u"8"_s}));
  EXPECT_EQ(cell(*list, "7", "Línea"), u"7"_s);
  EXPECT_EQ(cell(*list, "7", "Boni 1"), u"10.00"_s);
  EXPECT_EQ(cell(*list, "7", "Costo Neto"), u"85.5000"_s);
  EXPECT_EQ(cell(*list, "8", "Costo Neto"), u"40.0000"_s);
  // A code that is no number joins no line: blank line, net cost equal to the cost.
  EXPECT_EQ(cell(*list, "01BASE", "Boni 1"), u"0.00"_s);
  EXPECT_EQ(cell(*list, "01BASE", "Costo Neto"), u"40.0000"_s);
  EXPECT_EQ(cell(*list, "7", "Costo"), u"100.00"_s);
}

TEST_F(BasicosTest, TheDescriptionLocatorFindsAWordAnywhereAndTheCodeLocatorPositions) {
  catalogue();
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  type(list->locatorEntry(0), u"roj"_s);
  EXPECT_EQ(column(*list, 0), (QStringList{u"01BASE"_s, u"8"_s}));
  type(list->locatorEntry(0), QString());
  EXPECT_EQ(list->rows().size(), 3u);
  list->setCurrentOrder(1);
  type(list->locatorEntry(1), u"7"_s);
  EXPECT_EQ(list->rows().size(), 3u);  // nothing hidden
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"7"_s);
}

TEST_F(BasicosTest, AQueryOnTheNetCostNarrowsTheListAndTheHeadlessRowsAlike) {
  catalogue();
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  list->setFilter(ListReader::kQueryFilter, u"CostoNeto > 50"_s);
  EXPECT_EQ(column(*list, 0), QStringList{u"7"_s});
  ContextGuard guard(context);
  ListOutput output(basicos::browseBasicos(), files);
  QList<QStringList> rows;
  ASSERT_EQ(output.run({.query = u"CostoNeto > 50"_s}, [&](const QStringList& r) { rows << r; }), 0);
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows.front().value(0), u"7"_s);
  EXPECT_EQ(rows.front().value(at("Costo Neto")), u"85.5000"_s);
}

TEST_F(BasicosTest, QueryByExampleOffersTheNetCostAndFiltersOnIt) {
  catalogue();
  installQueryByExample();
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  click(list, u"?Query"_s);
  auto* query = open<QueryForm>();
  ASSERT_NE(query, nullptr);
  child<QComboBox>(query, qbe_names::kField)->setCurrentText(u"Costo Neto"_s);
  EXPECT_EQ(child<QComboBox>(query, qbe_names::kField)->currentText(), u"Costo Neto"_s);
  child<QComboBox>(query, qbe_names::kOperator)->setCurrentText(u">"_s);
  child<QLineEdit>(query, qbe_names::kValue)->setText(u"41"_s);
  click(query, qbe_names::kInsert);
  click(query, qbe_names::kOk);
  EXPECT_EQ(column(*list, 0), QStringList{u"7"_s});  // 85.5000; the others net 40.0000
  setListQueryMaker({});
}

TEST_F(BasicosTest, WithoutTheSwitchProductsCanOnlyBeLookedAtAndSelected) {
  catalogue();
  glo().ModificaFormulas = u"N"_s;
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete}) {
    EXPECT_FALSE(list->isConnected(a));
    EXPECT_TRUE(list->button(a)->isHidden());
  }
  press(list->listBox(), Qt::Key_Insert);
  press(list->listBox(), Qt::Key_Delete);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(count("Basicos"), 3);
}

TEST_F(BasicosTest, TheFormShowsTheNetCostOnceAndAlwaysTheLineOfTheCodeAndSavesOnlyTheProduct) {
  catalogue();
  ListWindow* list = openList(basicos::browseBasicos());
  ASSERT_NE(list, nullptr);
  selectCode(list, "7");
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(shown(u"?CostoNeto"_s), u"85.5000"_s);
  EXPECT_EQ(shown(u"?LIN:DESCRIPCION"_s), u"EPOXI"_s);
  EXPECT_EQ(shown(u"?LIN:BONI2"_s), u"5.00"_s);
  // The code changed to another line's number: the line part follows it,
  // the net cost stays as it was computed on opening.
  type(child<QLineEdit>(form(), u"?BAS:CODIGO"_s), u"8"_s);
  EXPECT_EQ(shown(u"?LIN:DESCRIPCION"_s), u"SINTETICO"_s);
  EXPECT_EQ(shown(u"?CostoNeto"_s), u"85.5000"_s);
  type(child<QLineEdit>(form(), u"?BAS:CODIGO"_s), u"9"_s);
  EXPECT_EQ(shown(u"?LIN:DESCRIPCION"_s), QString());
  type(child<QLineEdit>(form(), u"?BAS:CODIGO"_s), u"7B"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  EXPECT_EQ(cell(*list, "7B", "Costo"), u"100.00"_s);
  EXPECT_EQ(count("Linea"), 2);
}

TEST_F(BasicosTest, LinesWithoutTheSwitchKeepTheirCodeAndDescriptionButTheirDiscountsChange) {
  line(7, "EPOXI", "10", "5", "0");
  glo().ModificaFormulas = u"N"_s;
  ListWindow* list = openList(linea::browseLinea());
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isConnected(ListAction::Insert));
  EXPECT_FALSE(list->isConnected(ListAction::Delete));
  EXPECT_TRUE(list->isConnected(ListAction::Change));
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_FALSE(child<QWidget>(form(), u"?LIN:CODIGO"_s)->isEnabled());
  EXPECT_FALSE(child<QWidget>(form(), u"?LIN:DESCRIPCION"_s)->isEnabled());
  EXPECT_TRUE(child<QWidget>(form(), u"?LIN:CODIGO:Prompt"_s)->isHidden());
  type(child<QLineEdit>(form(), u"?LIN:BONI1"_s), u"12"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(column(*list, 2), QStringList{u"12.00"_s});
}
