// The production windows: the order list with its state icons and its own
// button texts; the order form entering line, product and quantity (the
// formula loaded and priced, the quantity refused without Relacion), the
// margin edited, "&Grabar" saving header and lines, its save flag stopping
// further reloads, the red mark on a missing product, and the product of a
// stored order locked.
#include "production/produccion/produccion_windows.h"
#include "shell/globals.h"
#include "shell/lines/line_list.h"
#include "tests/production/order_fixture.h"

#include <QLabel>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class ProduccionWindows : public OrderTables {
 protected:
  FormWindow* form() { return open<FormWindow>(); }
  QLineEdit* entry(const char* field) { return child<QLineEdit>(form(), u"?"_s + QString::fromLatin1(field)); }
  QString shown(const char* field) { return entry(field) ? entry(field)->text().trimmed() : u"<none>"_s; }
  // The order in the form's buffer, read in the form's context.
  Record header() {
    ContextGuard guard(form()->context());
    return form()->primary().buffer();
  }
  std::size_t lineCount() { return form() && form()->lineList() ? form()->lineList()->lines().size() : 0; }
  // The list, and a new order in its form with `typed` entered in order.
  ListWindow* newOrder(std::initializer_list<std::pair<const char*, const char*>> typed) {
    ListWindow* list = openList(produccion::browseProduccion());
    EXPECT_NE(list, nullptr);
    if (!list) return nullptr;
    click(list, u"?Insert"_s);
    EXPECT_NE(form(), nullptr);
    for (const auto& [field, text] : typed) type(entry(field), QString::fromLatin1(text));
    return list;
  }
  void order(int code, const char* product, const char* state) {
    add("Produc01", [&](Record& r) {
      r.setDecimal("PRO1:CODIGO", Decimal(code));
      r.setDecimal("PRO1:CLIENTE", Decimal(1));
      r.setDecimal("PRO1:LINEA", Decimal(5));
      r.setText("PRO1:CODIGO_TERMINADO", QString::fromLatin1(product));
      r.setText("PRO1:ESTADO", QString::fromLatin1(state));
    });
  }
};

TEST_F(ProduccionWindows, TheListShowsEachStatesIconAndItsOwnButtons) {
  order(1, "P1", "P");
  order(2, "P2", "T");
  ListWindow* list = openList(produccion::browseProduccion());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->rows().size(), 2u);
  EXPECT_EQ(list->rows()[0].icons.value(0), u"~Amarillo.ICO"_s);
  EXPECT_EQ(list->rows()[1].icons.value(0), u"~Rojo.ICO"_s);
  EXPECT_EQ(column(*list, 4), (QStringList{u"Pinturería del Sur"_s, u"Pinturería del Sur"_s}));
  EXPECT_EQ(child<QPushButton>(list, u"?Query"_s)->text(), u"&Filtrar"_s);
  EXPECT_EQ(child<QPushButton>(list, u"?Insert"_s)->text(), u"&Nueva Producción"_s);
}

TEST_F(ProduccionWindows, ANewOrderLoadsItsFormulaPricesItAndSavesWithItsLines) {
  glo().NuevaProduccion = Decimal(5);
  newOrder({{"PRO1:CLIENTE", "1"}, {"PRO1:LINEA", "5"}, {"PRO1:CODIGO_TERMINADO", "P1"}});
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"P R O D U C C I Ó N"_s);
  // The frame's next number, today and 'P' for a new order.
  EXPECT_EQ(child<QLabel>(form(), u"?PRO1:CODIGO"_s)->text().trimmed(), u"0000000005"_s);
  EXPECT_EQ(header().text("PRO1:ESTADO"), u"P"_s);
  EXPECT_EQ(glo().Linea, Decimal(5));
  // The formula has a part B: the quantity is asked for both parts.
  EXPECT_EQ(child<QLabel>(form(), u"?PRO1:CANTIDAD:Prompt"_s)->text(), u"Cantidad a producir (A+B):"_s);
  type(entry("PRO1:CANTIDAD"), u"20"_s);
  ASSERT_EQ(lineCount(), 1u);
  const Record& line = form()->lineList()->lines()[0].record;
  EXPECT_EQ(line.decimal("PRO2:CANTIDAD").toQString(4), u"10000.0000"_s);
  EXPECT_EQ(shown("PRO1:COMPONENTE_B"), u"05-REAC-C"_s);
  EXPECT_EQ(form()->behaviour().values().string(u"LOC:TEXTOB"_s).trimmed(), u"Complemento: 05-REAC-C Endurecedor"_s);
  EXPECT_EQ(form()->behaviour().values().decimal(u"LOC:COSTOBASICO"_s).toQString(2), u"100.00"_s);
  EXPECT_EQ(form()->behaviour().values().decimal(u"TOTAL"_s).toQString(2), u"10000.00"_s);
  // "Margen Utilidad:" from 30 to 40 changes the prices only.
  EXPECT_EQ(header().decimal("PRO1:COSTO_DE_PRODUCCION").toQString(2), u"157.30"_s);
  type(entry("LIN:MARGEN"), u"40"_s);
  EXPECT_EQ(form()->behaviour().values().decimal(u"PRECIONETOVENTA"_s).toQString(2), u"140.00"_s);
  EXPECT_EQ(header().decimal("PRO1:COSTO_DE_PRODUCCION").toQString(2), u"169.40"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  EXPECT_EQ(storedRows("Produc01", "PRO1:KEYCOD", {"PRO1:CODIGO", "PRO1:CODIGO_TERMINADO", "PRO1:COSTO_DE_PRODUCCION"}),
            QStringList{u"5 P1 169.40"_s});
  EXPECT_EQ(storedRows("Produc02", "PRO2:KEYCOD", {"PRO2:CODIGO", "PRO2:CODIGO_BASICO"}), QStringList{u"5 B3"_s});
  // The line's margin on file is its own.
  EXPECT_EQ(storedRows("Linea", "LIN:KEYCOD", {"LIN:MARGEN"}).value(0), u"30.00"_s);
}

TEST_F(ProduccionWindows, AQuantityWithoutRelationIsAskedAgainAndLoadsNothing) {
  newOrder({{"PRO1:CLIENTE", "1"}, {"PRO1:LINEA", "5"}, {"PRO1:CODIGO_TERMINADO", "P1"}, {"PRO1:CANTIDAD", "3"}});
  ASSERT_NE(form(), nullptr);
  EXPECT_TRUE(titles().contains(u"Sr. Usuario:"_s));
  EXPECT_TRUE(header().decimal("PRO1:CANTIDAD").isZero());
  EXPECT_EQ(lineCount(), 0u);
  EXPECT_TRUE(entry("PRO1:CANTIDAD")->hasFocus());
  // A valid quantity then loads the lines and finishes the component's code.
  type(entry("PRO1:CANTIDAD"), u"4"_s);
  EXPECT_EQ(lineCount(), 1u);
  EXPECT_EQ(shown("PRO1:COMPONENTE_B"), u"05-REAC-B"_s);
}

TEST_F(ProduccionWindows, AFailedGrabarMarksTheMissingProductAndStopsReloading) {
  newOrder({{"PRO1:CLIENTE", "1"}, {"PRO1:LINEA", "5"}});
  ASSERT_NE(form(), nullptr);
  click(form(), u"?OK"_s);
  ASSERT_NE(form(), nullptr);  // no product: not saved
  EXPECT_TRUE(form()->isMarked(u"PRO1:CODIGO_TERMINADO"_s));
  type(entry("PRO1:CODIGO_TERMINADO"), u"P1"_s);
  EXPECT_FALSE(form()->isMarked(u"PRO1:CODIGO_TERMINADO"_s));
  // The save flag is set: the quantity no longer loads the formula.
  type(entry("PRO1:CANTIDAD"), u"20"_s);
  EXPECT_EQ(lineCount(), 0u);
  EXPECT_EQ(shown("PRO1:COMPONENTE_B"), u"05-REAC-C"_s);
  EXPECT_TRUE(storedRows("Produc01", "PRO1:KEYCOD", {"PRO1:CODIGO"}).isEmpty());
}

TEST_F(ProduccionWindows, AStoredOrdersProductIsLockedUntilItsLineChanges) {
  newOrder({{"PRO1:CLIENTE", "1"}, {"PRO1:LINEA", "5"}, {"PRO1:CODIGO_TERMINADO", "P1"}, {"PRO1:CANTIDAD", "20"}});
  click(form(), u"?OK"_s);
  ListWindow* list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Editando..."_s);
  EXPECT_FALSE(entry("PRO1:CODIGO_TERMINADO")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(form(), u"?Lookup:PRO1:CODIGO_TERMINADO"_s)->isEnabled());
  EXPECT_EQ(lineCount(), 1u);
  // Passing through the line unchanged keeps everything; "Calcular" prices
  // the stored order with its own line's margin.
  press(entry("PRO1:LINEA"), Qt::Key_Return);
  EXPECT_EQ(lineCount(), 1u);
  click(form(), u"?Calcular"_s);
  EXPECT_EQ(header().decimal("PRO1:COSTO_DE_PRODUCCION").toQString(2), u"157.30"_s);
  // Another line clears the order and frees the product.
  type(entry("PRO1:LINEA"), u"33"_s);
  EXPECT_TRUE(entry("PRO1:CODIGO_TERMINADO")->isEnabled());
  EXPECT_EQ(lineCount(), 0u);
  EXPECT_EQ(glo().Linea, Decimal(33));
}

TEST_F(ProduccionWindows, TheProductListOffersOnlyTheLinesProducts) {
  glo().Linea = Decimal(5);
  ListWindow* list = openList(produccion::browseTerminadoXLinea(), kSelectRecord);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(column(*list, 0), (QStringList{u"P1"_s, u"P2"_s}));
  list->close();
  testing_shell::settle();
  glo().Linea = Decimal(33);
  ListWindow* other = openList(produccion::browseTerminadoXLinea(), kSelectRecord);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(column(*other, 0), QStringList{u"Q7"_s});
}

}  // namespace
