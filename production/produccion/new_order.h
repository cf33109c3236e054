#pragma once
// A new production order made without a screen: the entries of the order
// form made in the form's order (customer, line, product, quantity, then the
// margin typed over the line's), through the same steps the form runs, and
// the order saved with its lines in one transaction, as "&Grabar" saves it.
//
//   NewOrder order(relations);
//   NewOrderResult r = order.run({.customer = c, .line = l, .product = p, .quantity = q}, notice);
//   // r.level 0: r.header / r.lines are the saved Produc01 and Produc02 records
#include <optional>
#include <vector>

#include "production/produccion/order_entry.h"
#include "runtime/date_time.h"
#include "storage/dictionary/record.h"

namespace bv {

class RelationManagers;

struct OrderEntries {
  Decimal customer;               // PRO1:CLIENTE
  Decimal line;                   // PRO1:LINEA
  QString product;                // PRO1:CODIGO_TERMINADO
  Decimal quantity;               // PRO1:CANTIDAD
  std::optional<Date> date;       // PRO1:FECHA; none: today
  std::optional<Decimal> margin;  // "Margen Utilidad:" typed over the line's
  QString state;                  // PRO1:ESTADO; empty: 'P'
};

struct NewOrderResult {
  // 0 when the order was saved; else the level of the step that refused it
  // (its message already shown) and nothing is written.
  int level = 0;
  Record header;
  std::vector<ChildLine> lines;
  OrderFigures figures;
};

class NewOrder {
 public:
  explicit NewOrder(RelationManagers& relations);
  NewOrderResult run(const OrderEntries& entries, const OrderEntry::Notice& notice);

 private:
  // Reads the record of `table` whose `field` holds `value`; message 14 when
  // there is none.
  int mustExist(const QString& table, const char* key, const char* field, const FieldValue& value,
                const QString& prompt);

  RelationManagers& relations_;
};

// The save of an order as the form makes it: the header in Produc01's buffer
// (`header` its place on file, 0 for a new one) and its lines in one
// transaction over Produc01 and Produc02. Answers 0 or the level that failed,
// the files left as they were.
int saveOrder(RelationManagers& relations, RecordPosition header, std::vector<ChildLine>& lines);

}  // namespace bv
