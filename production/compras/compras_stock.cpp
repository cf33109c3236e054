#include "production/compras/compras_stock.h"

#include "storage/managers/file_managers.h"

namespace bv::compras {

namespace {

QString code(const Record& line) { return line.text("COM2:CODIGO_BASICO").trimmed(); }
Decimal quantity(const Record& line) { return line.decimal("COM2:CANTIDAD"); }

// "El valor de %Field debe ser entre %Message."
constexpr int kMsgOutOfRange = 16;

// The largest whole number a field of `digits` digits holds.
QString stockLimit(const FieldDef* field) {
  return QString(field ? field->digits : 1, u'9');
}

void append(std::vector<StockMove>& moves, const QString& basic, const Decimal& by) {
  if (!by.isZero()) moves.push_back({basic, by});
}

}  // namespace

std::vector<StockMove> addedLineMoves(const Record& line) {
  std::vector<StockMove> moves;
  append(moves, code(line), quantity(line));
  return moves;
}

std::vector<StockMove> rewrittenLineMoves(const Record& stored, const Record& line) {
  std::vector<StockMove> moves;
  if (code(stored) == code(line)) {
    // One move by the difference: the stock is rounded once, not twice.
    append(moves, code(line), quantity(line) - quantity(stored));
    return moves;
  }
  append(moves, code(stored), -quantity(stored));
  append(moves, code(line), quantity(line));
  return moves;
}

std::vector<StockMove> deletedLineMoves(const Record& stored) {
  std::vector<StockMove> moves;
  append(moves, code(stored), -quantity(stored));
  return moves;
}

Decimal movedStock(const Decimal& stock, const Decimal& by) { return (stock + by).rounded(0); }

int applyStockMoves(const std::vector<StockMove>& moves, FileManagers& files) {
  FileManager& basicos = files[QStringLiteral("Basicos")];
  for (const StockMove& move : moves) {
    basicos.buffer().setText("BAS:CODIGO", move.code);
    if (basicos.fetch(basicos.keyDef(u"BAS:KEYCOD")) != 0) continue;  // not on file: no stock to move
    const Decimal stock = movedStock(basicos.buffer().decimal("BAS:STOCK_RELATIVO"), move.quantity);
    // A stock the field cannot hold stops the save rather than leave it unmoved.
    if (basicos.buffer().setDecimal("BAS:STOCK_RELATIVO", stock) != SetResult::Stored) {
      const QString limit = stockLimit(basicos.table().field(u"BAS:STOCK_RELATIVO"));
      basicos.errors().setFieldText(QStringLiteral("BAS:Stock_Relativo"));
      return basicos.raiseWithMessage(kMsgOutOfRange, u'-' + limit + QStringLiteral(" y ") + limit);
    }
    if (const int level = basicos.update(); level != 0) return level;
  }
  return 0;
}

ChildLineHooks stockHooks() {
  return ChildLineHooks{
      .beforeAdd = [](const Record& line, FileManagers& files) { return applyStockMoves(addedLineMoves(line), files); },
      .beforeRewrite =
          [](const Record& stored, const Record& line, FileManagers& files) {
            return applyStockMoves(rewrittenLineMoves(stored, line), files);
          },
      .beforeDelete = [](const Record& stored,
                         FileManagers& files) { return applyStockMoves(deletedLineMoves(stored), files); },
  };
}

}  // namespace bv::compras
