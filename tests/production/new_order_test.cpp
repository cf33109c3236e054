// A new production order entered without a screen, through the steps the
// order form runs: the formula scaled to the quantity, component B from
// Relacion, cost and prices; then saved with its lines in one transaction.
// Refused entries save nothing.
#include <gtest/gtest.h>

#include "production/produccion/new_order.h"
#include "tests/production/order_fixture.h"

namespace bv::test {
namespace {

class NewOrderTest : public OrderTables {
 protected:
  NewOrderResult run(int line, const char* quantity, const char* product = "P1",
                     std::optional<Decimal> margin = std::nullopt) {
    ContextGuard guard(context);
    OrderEntries entries{.customer = Decimal(1), .line = Decimal(line), .product = QString::fromLatin1(product),
                         .quantity = dec(quantity), .date = Date::fromYmd(2024, 6, 14), .margin = margin, .state = {}};
    return NewOrder(relations).run(entries, [this](const QString& text, const QString&) { notices << text; });
  }
  QStringList notices;
};

TEST_F(NewOrderTest, LoadsScalesPricesAndSavesTheOrder) {
  const NewOrderResult r = run(5, "20");
  ASSERT_EQ(r.level, 0);
  EXPECT_TRUE(notices.isEmpty());
  EXPECT_EQ(r.header.decimal("PRO1:CODIGO"), Decimal(1));
  EXPECT_EQ(r.header.text("PRO1:ESTADO"), u"P"_s);
  // Formula volume 100 / 1.25 = 80.000 litres, part A 20 x 4/5 = 16.00:
  // 50 x 16 / 80 x 1000 = 10000 grams, 6.25 litres of B3 at 1.6.
  EXPECT_EQ(r.figures.partA.toQString(2), u"16.00"_s);
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_EQ(r.lines[0].record.decimal("PRO2:CANTIDAD").toQString(4), u"10000.0000"_s);
  EXPECT_EQ(r.lines[0].record.decimal("PRO2:VOLUMEN").toQString(2), u"6.25"_s);
  EXPECT_EQ(r.header.decimal("PRO1:PESO_ESPECIFICO").toQString(4), u"1.6000"_s);
  EXPECT_EQ(r.header.text("PRO1:COMPONENTE_B"), u"05-REAC-C"_s);
  EXPECT_EQ(r.figures.complement, u"Complemento: 05-REAC-C Endurecedor"_s);
  // 16.00 a litre x 6.25 = 100.00; component B has no cost: at 30 % and 21 %.
  EXPECT_EQ(r.figures.basicCost.toQString(2), u"100.00"_s);
  EXPECT_EQ(r.figures.prices.net.toQString(2), u"130.00"_s);
  EXPECT_EQ(r.header.decimal("PRO1:COSTO_DE_PRODUCCION").toQString(2), u"157.30"_s);
  // What was answered is what is on file.
  EXPECT_EQ(storedRows("Produc01", "PRO1:KEYCOD", {"PRO1:CODIGO", "PRO1:CODIGO_TERMINADO", "PRO1:COSTO_DE_PRODUCCION"}),
            QStringList{u"1 P1 157.30"_s});
  EXPECT_EQ(storedRows("Produc02", "PRO2:KEYCOD", {"PRO2:CODIGO", "PRO2:CODIGO_BASICO", "PRO2:VOLUMEN"}),
            QStringList{u"1 B3 6.25"_s});
}

TEST_F(NewOrderTest, AMarginTypedOverTheLinesChangesOnlyThePrices) {
  const NewOrderResult r = run(5, "20", "P1", Decimal(40));
  ASSERT_EQ(r.level, 0);
  EXPECT_EQ(r.figures.basicCost.toQString(2), u"100.00"_s);
  EXPECT_EQ(r.figures.prices.net.toQString(2), u"140.00"_s);
  EXPECT_EQ(r.figures.prices.vat.toQString(2), u"29.40"_s);
  EXPECT_EQ(r.header.decimal("PRO1:COSTO_DE_PRODUCCION").toQString(2), u"169.40"_s);
  // The line keeps its own margin on file.
  EXPECT_EQ(storedRows("Linea", "LIN:KEYCOD", {"LIN:MARGEN"}).value(0), u"30.00"_s);
}

TEST_F(NewOrderTest, LineThirtyThreeLoadsTheQuantityAsTheFormulasUnit) {
  const NewOrderResult r = run(33, "20");
  ASSERT_EQ(r.level, 0);
  EXPECT_EQ(r.figures.partA.toQString(2), u"20.00"_s);
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_EQ(r.lines[0].record.decimal("PRO2:CANTIDAD").toQString(4), u"10000.0000"_s);
  EXPECT_EQ(r.header.text("PRO1:COMPONENTE_B"), u"33-REAC-C"_s);
}

TEST_F(NewOrderTest, AQuantityWithoutRelationAndAProductWithoutFormulaLoadNothing) {
  const NewOrderResult three = run(5, "3");
  ASSERT_EQ(three.level, 0);
  EXPECT_EQ(notices, QStringList{u"La Cantidad del producto, Solo puede ser 1 - 4 ó 20 "_s});
  EXPECT_TRUE(three.header.decimal("PRO1:CANTIDAD").isZero());
  EXPECT_TRUE(three.lines.empty());
  EXPECT_TRUE(three.figures.prices.total.isZero());
  notices.clear();
  const NewOrderResult none = run(5, "20", "P2");
  ASSERT_EQ(none.level, 0);  // an order without formula is saved without lines
  // Told when the product is accepted and again when the quantity would load it.
  EXPECT_EQ(notices, QStringList(2, u"Este producto no tiene cargada una formula de producción"_s));
  EXPECT_TRUE(none.lines.empty());
  EXPECT_TRUE(none.header.text("PRO1:COMPONENTE_B").isEmpty());
  EXPECT_EQ(storedRows("Produc01", "PRO1:KEYCOD", {"PRO1:CODIGO"}), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(NewOrderTest, UnknownCustomerLineOrProductSavesNothing) {
  for (const auto& [line, product] : {std::pair{7, "P1"}, {5, "NOEXISTE"}}) {
    const NewOrderResult r = run(line, "20", product);
    EXPECT_NE(r.level, 0) << line;
  }
  EXPECT_TRUE(storedRows("Produc01", "PRO1:KEYCOD", {"PRO1:CODIGO"}).isEmpty());
  EXPECT_TRUE(storedRows("Produc02", "PRO2:KEYCOD", {"PRO2:CODIGO"}).isEmpty());
  // Nothing reserved stays behind: the next order is number 1.
  EXPECT_EQ(run(5, "20").header.decimal("PRO1:CODIGO"), Decimal(1));
}

}  // namespace
}  // namespace bv::test
