// The stock moves of a purchase's lines: a new line adds its quantity, a
// changed one moves the stock by the difference (or between two products when
// its code changed), a removed one takes its quantity back, and the whole-unit
// stock is rounded once, half away from zero.
#include <gtest/gtest.h>

#include "production/compras/compras_stock.h"
#include "storage/dictionary/dictionary.h"

namespace bv::compras {
namespace {

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

Record line(const char* code, const char* quantity) {
  Record r(*Dictionary::instance().table(QStringLiteral("Compra2")));
  r.setText("COM2:TIPO_DE_COMPROBANTE", "FA");
  r.setDecimal("COM2:COMPROBANTE", Decimal(1));
  r.setText("COM2:CODIGO_BASICO", code);
  r.setDecimal("COM2:CANTIDAD", d(quantity));
  return r;
}

using Moves = std::vector<StockMove>;

TEST(CompraStockMoves, AddedAndDeletedLinesMoveTheirWholeQuantity) {
  EXPECT_EQ(addedLineMoves(line("X", "5")), (Moves{{QStringLiteral("X"), d("5")}}));
  EXPECT_EQ(deletedLineMoves(line("X", "2.5")), (Moves{{QStringLiteral("X"), d("-2.5")}}));
  // A line with no quantity moves nothing.
  EXPECT_TRUE(addedLineMoves(line("X", "0")).empty());
}

TEST(CompraStockMoves, ARewrittenLineMovesTheDifferenceOrBetweenItsTwoProducts) {
  EXPECT_EQ(rewrittenLineMoves(line("X", "5"), line("X", "2")), (Moves{{QStringLiteral("X"), d("-3")}}));
  EXPECT_TRUE(rewrittenLineMoves(line("X", "5"), line("X", "5")).empty());
  EXPECT_EQ(rewrittenLineMoves(line("X", "5"), line("Y", "2")),
            (Moves{{QStringLiteral("X"), d("-5")}, {QStringLiteral("Y"), d("2")}}));
}

TEST(CompraStockMoves, TheWholeUnitStockRoundsHalfAwayFromZero) {
  EXPECT_EQ(movedStock(Decimal(10), d("2.5")), Decimal(13));
  EXPECT_EQ(movedStock(Decimal(10), d("2.4999")), Decimal(12));
  EXPECT_EQ(movedStock(Decimal(10), d("-12.5")), Decimal(-3));
  EXPECT_EQ(movedStock(Decimal(13), d("-2.5")), Decimal(11));
}

}  // namespace
}  // namespace bv::compras
