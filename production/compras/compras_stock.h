#pragma once
// How a purchase's lines move the relative stock of its basic products
// (BAS:STOCK_RELATIVO): worked out as moves from the lines, then applied to
// Basicos by the hooks the voucher's save runs inside its transaction.
#include "storage/transactions/child_line.h"

#include "runtime/decimal.h"

#include <QString>
#include <vector>

namespace bv::compras {

// The stock of one basic product moved by a signed quantity.
struct StockMove {
  QString code;  // BAS:CODIGO
  Decimal quantity;
  friend bool operator==(const StockMove&, const StockMove&) = default;
};

// A new line received: its quantity goes into stock.
std::vector<StockMove> addedLineMoves(const Record& line);
// A stored line changed: the stock moves by the difference of the quantities,
// or, when the line names another product, the old one gives its quantity
// back and the new one takes the new quantity.
std::vector<StockMove> rewrittenLineMoves(const Record& stored, const Record& line);
// A stored line removed: its quantity leaves the stock.
std::vector<StockMove> deletedLineMoves(const Record& stored);

// The stock holds whole units: the moved sum is rounded half away from zero.
Decimal movedStock(const Decimal& stock, const Decimal& by);

// Applies the moves to Basicos through `files`; a product not on file moves
// no stock. Answers 0 or the level of the write that failed.
int applyStockMoves(const std::vector<StockMove>& moves, FileManagers& files);

// The hooks of the voucher's save: every line added, rewritten or deleted
// moves the stock inside the save's transaction.
ChildLineHooks stockHooks();

}  // namespace bv::compras
