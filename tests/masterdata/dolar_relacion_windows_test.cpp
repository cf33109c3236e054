// The dollar-rate list and form (a rate too large for its field is refused,
// never cut) and the relation list, which answers only to its own buttons.
#include "masterdata/dolar/dolar_windows.h"
#include "masterdata/relacion/relacion_windows.h"
#include "tests/shell/browse/list_fixture.h"

#include <QTabBar>
#include <QTabWidget>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

Decimal dec(const char* text) { return Decimal::parse(QString::fromLatin1(text)).value(); }

class DolarTest : public ListTest {
 protected:
  RecordPosition rate(int day, const char* value) {
    return add("Dolar", [&](Record& r) {
      r.setDate("DOL:FECHA", Date::fromYmd(2024, 3, day));
      r.setDecimal("DOL:COTIZACION", dec(value));
    });
  }
  FormWindow* form() { return open<FormWindow>(); }
};

}  // namespace

TEST_F(DolarTest, TheRatesShowByDateWithoutTabsAndTheLocatorPositionsOnADate) {
  rate(12, "850.5");
  rate(10, "845.25");
  rate(11, "848");
  ListWindow* list = openList(dolar::browseDolar());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Cotizacion diaria del Dolar"_s);
  EXPECT_EQ(column(*list, 0), (QStringList{u"10/03/2024"_s, u"11/03/2024"_s, u"12/03/2024"_s}));
  EXPECT_EQ(column(*list, 1), (QStringList{u"845.2500"_s, u"848.0000"_s, u"850.5000"_s}));
  auto* tabs = child<QTabWidget>(list, u"?CurrentTab"_s);
  if (tabs) EXPECT_FALSE(tabs->tabBar()->isVisible());
  type(list->locatorEntry(0), u"11/03/2024"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"11/03/2024"_s);
}

TEST_F(DolarTest, ARateOfAThousandIsRefusedNamingTheLargestAndTheLargestIsStored) {
  ListWindow* list = openList(dolar::browseDolar());
  ASSERT_NE(list, nullptr);
  click(list, u"?Insert"_s);
  ASSERT_NE(form(), nullptr);
  type(child<QLineEdit>(form(), u"?DOL:FECHA"_s), u"15/03/2024"_s);
  type(child<QLineEdit>(form(), u"?DOL:COTIZACION"_s), u"1000"_s);
  click(form(), u"?OK"_s);
  ASSERT_NE(form(), nullptr);  // refused: the form stays open
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().back().title(), u"Error en Rango"_s);
  EXPECT_TRUE(script.shown().back().text().contains(u"999.9999"_s)) << script.shown().back().text().toStdString();
  EXPECT_EQ(count("Dolar"), 0);

  type(child<QLineEdit>(form(), u"?DOL:COTIZACION"_s), u"999.9999"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  ASSERT_EQ(count("Dolar"), 1);
  EXPECT_EQ(column(*list, 1), QStringList{u"999.9999"_s});
}

TEST_F(DolarTest, TheRelationListTakesNoToolbarActionAndHasItsOwnButtons) {
  add("Relacion", [](Record& r) {
    r.setDecimal("REL:CANTIDAD", 20);
    r.setText("REL:CODFINAL", u"C"_s);
  });
  add("Relacion", [](Record& r) {
    r.setDecimal("REL:CANTIDAD", 4);
    r.setText("REL:CODFINAL", u"B"_s);
  });
  ListWindow* list = openList(relacion::browRel());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Relación"_s);
  EXPECT_EQ(column(*list, 0), (QStringList{u"4"_s, u"20"_s}));
  for (ToolbarAction a : {ToolbarAction::Insert, ToolbarAction::Change, ToolbarAction::Delete, ToolbarAction::Top,
                          ToolbarAction::Down, ToolbarAction::Bottom, ToolbarAction::Locate})
    EXPECT_FALSE(list->takesToolbarAction(a)) << static_cast<int>(a);
  list->toolbarAction(ToolbarAction::Insert);
  testing_shell::settle();
  EXPECT_EQ(form(), nullptr);

  EXPECT_EQ(child<QPushButton>(list, u"?Query"_s), nullptr);
  EXPECT_EQ(child<QPushButton>(list, u"?Toolbox"_s), nullptr);
  EXPECT_EQ(list->button(ListAction::Close)->text(), u"Cerrar"_s);
  EXPECT_FALSE(list->button(ListAction::Close)->icon().isNull());
  EXPECT_EQ(list->button(ListAction::Select)->text(), u"E&legir"_s);
  EXPECT_FALSE(list->button(ListAction::Select)->icon().isNull());
  EXPECT_TRUE(list->button(ListAction::Select)->isHidden());  // not opened to select

  // Its own buttons still work, with the form's own titles.
  click(list, u"?Insert"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Agregando Relacion"_s);
  type(child<QLineEdit>(form(), u"?REL:CANTIDAD"_s), u"1"_s);
  type(child<QLineEdit>(form(), u"?REL:CODFINAL"_s), u"A"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(column(*list, 0), (QStringList{u"1"_s, u"4"_s, u"20"_s}));
  list->setCurrentRow(1);
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Editando Relacion"_s);
}

TEST_F(DolarTest, TheRelationListOpenedToSelectShowsItsChooseButton) {
  ListWindow* list = openList(relacion::browRel(), kSelectRecord);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->button(ListAction::Select)->isHidden());
}
