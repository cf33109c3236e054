// A new production order built from the form's entries over real tables: the
// line's margin and discounts, the formula scaled to the quantity, component
// B from Relacion, and the cost and prices; refused quantities and products
// without formula leave the order without lines.
#include <gtest/gtest.h>

#include "production/produccion/new_order.h"
#include "tests/production/cost_sheet_fixture.h"

namespace bv::test {
namespace {

class NewOrder : public CostSheetTables {
 protected:
  NewOrder() {
    add("Linea", {{"LIN:CODIGO", Decimal(5)}, {"LIN:DESCRIPCION", u"Poliuretanos"_s},
                  {"LIN:BONI1", d("10")}, {"LIN:MARGEN", d("30")}});
    add("Terminado", {{"TER:CODIGO", u"P1"_s}, {"TER:DESCRIPCION", u"Esmalte PU"_s},
                      {"TER:LINEA", Decimal(5)}, {"TER:SISTEMA", u"M"_s}});
    add("Formula1", {{"FOR1:CODIGO_FORMULA", Decimal(20)}, {"FOR1:CODIGO_TERMINADO", u"P1"_s},
                     {"FOR1:CANTIDAD", d("100")}, {"FOR1:PESO_ESPECIFICO", d("1.2500")},
                     {"FOR1:REL1", d("4")}, {"FOR1:REL2", d("1")}, {"FOR1:MODIFICABLE", u"S"_s}});
    line(20, "B3", "50");
    line(20, "NOHAY", "10");
    add("Basicos", {{"BAS:CODIGO", u"B3"_s}, {"BAS:DESCRIPCION", u"Resina"_s}, {"BAS:COSTO", d("100")},
                    {"BAS:MONEDA", u"P"_s}, {"BAS:UNIDAD_POR_LATA", Decimal(4)},
                    {"BAS:PESO_ESPECIFICO", d("1.6")}});
    add("Basicos", {{"BAS:CODIGO", u"05-REAC-C"_s}, {"BAS:DESCRIPCION", u"Endurecedor"_s},
                    {"BAS:COSTO", d("10")}, {"BAS:MONEDA", u"P"_s}, {"BAS:UNIDAD_POR_LATA", Decimal(4)}});
    for (auto [litres, letter] : {std::pair{1, "A"}, {4, "B"}, {20, "C"}})
      add("Relacion", {{"REL:CANTIDAD", Decimal(litres)}, {"REL:CODFINAL", QString::fromLatin1(letter)}});
    add("Paramet", {{"PAR:ALICUOTA_DEL_IVA", d("21")}});
  }
  OrderEntries entries(int line, const char* quantity) {
    return {.number = Decimal(7), .customer = Decimal(1), .line = Decimal(line), .product = u"P1"_s,
            .quantity = d(quantity), .date = kToday, .margin = std::nullopt};
  }
};

TEST_F(NewOrder, LoadsScalesAndPricesTheFormula) {
  NewOrderBuilder builder(files);
  const std::optional<OrderDraft> draft = builder.build(entries(5, "20"));
  ASSERT_TRUE(draft.has_value());
  const Record& h = draft->header;
  EXPECT_EQ(h.decimal("PRO1:CODIGO"), Decimal(7));
  EXPECT_EQ(h.text("PRO1:ESTADO"), u"P"_s);
  EXPECT_EQ(h.text("PRO1:COMPONENTE_B"), u"05-REAC-C"_s);
  EXPECT_EQ(draft->complement, u"Complemento: 05-REAC-C Endurecedor"_s);
  EXPECT_TRUE(draft->notices.isEmpty());
  // Part A 16.00 of 80.000 formula litres: 10000 grams (6.25 litres) of B3
  // and 2000 grams of a missing basic product without litres.
  ASSERT_EQ(draft->lines.size(), 2u);
  EXPECT_EQ(draft->lines[0].grams.toString(), "10000.0000");
  EXPECT_EQ(draft->lines[0].litres.toString(), "6.25");
  EXPECT_EQ(draft->lines[1].description, u"!!! CODIGO INEXISTENTE !!!"_s);
  EXPECT_EQ(draft->lines[1].grams.toString(), "2000.0000");
  EXPECT_EQ(h.decimal("PRO1:PESO_ESPECIFICO").toString(4), "1.9200");
  // No dollar rate: 1. B3 25.00 less the line's 10 % = 22.50 x 6.25 = 140.63,
  // component B 9.00: 149.63; at 30 % 194.52 + 40.85 = 235.37.
  EXPECT_EQ(draft->rate.toString(), "1.0000");
  EXPECT_EQ(draft->basicCost.toString(), "149.63");
  EXPECT_EQ(draft->prices.net.toString(), "194.52");
  EXPECT_EQ(h.decimal("PRO1:COSTO_DE_PRODUCCION").toString(2), "235.37");
  // A margin edited on the form changes only the prices.
  OrderEntries at40 = entries(5, "20");
  at40.margin = d("40");
  const std::optional<OrderDraft> edited = builder.build(at40);
  EXPECT_EQ(edited->basicCost.toString(), "149.63");
  EXPECT_EQ(edited->prices.total.toString(), "253.47");
}

TEST_F(NewOrder, LineThirtyThreeLoadsDirectly) {
  const std::optional<OrderDraft> draft = NewOrderBuilder(files).build(entries(33, "20"));
  ASSERT_TRUE(draft.has_value());
  EXPECT_EQ(draft->partA.toString(), "20.00");
  EXPECT_EQ(draft->lines[0].grams.toString(), "10000.0000");
  EXPECT_EQ(draft->header.text("PRO1:COMPONENTE_B"), u"33-REAC-C"_s);
}

TEST_F(NewOrder, RefusedQuantityAndMissingFormula) {
  NewOrderBuilder builder(files);
  const std::optional<OrderDraft> three = builder.build(entries(5, "3"));
  ASSERT_TRUE(three.has_value());
  EXPECT_EQ(three->notices, QStringList{u"La Cantidad del producto, Solo puede ser 1 - 4 ó 20 "_s});
  EXPECT_TRUE(three->header.decimal("PRO1:CANTIDAD").isZero());
  EXPECT_TRUE(three->lines.empty());
  EXPECT_TRUE(three->prices.total.isZero());

  OrderEntries none = entries(5, "20");
  none.product = u"SINFORMULA"_s;
  const std::optional<OrderDraft> missing = builder.build(none);
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->notices, QStringList{u"Este producto no tiene cargada una formula de producción"_s});
  EXPECT_TRUE(missing->lines.empty());
  EXPECT_TRUE(missing->header.text("PRO1:COMPONENTE_B").isEmpty());
}

}  // namespace
}  // namespace bv::test
