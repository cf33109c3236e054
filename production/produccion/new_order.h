#pragma once
// A new production order built in memory from the entries of the order form,
// taken in the form's order: customer, line, product, quantity. Each entry
// reads what the form reads when it is accepted (the line's margin and
// discounts, the product's formula, Relacion, the basic products, the dollar
// rate of the order's date, the VAT rate) and the draft holds the header, the
// lines and the working values the form would show. Nothing is saved.
//
//   NewOrderBuilder builder(files);
//   OrderDraft draft = builder.build({.number = n, .customer = c, .line = l,
//                                     .product = p, .quantity = q, .date = today});
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "production/produccion/order_cost.h"
#include "runtime/date_time.h"
#include "runtime/decimal.h"
#include "storage/dictionary/record.h"

namespace bv {

class FileManagers;
class FileManager;

struct OrderEntries {
  Decimal number;                 // PRO1:CODIGO (the next order's number)
  Decimal customer;               // PRO1:CLIENTE
  Decimal line;                   // PRO1:LINEA
  QString product;                // PRO1:CODIGO_TERMINADO
  Decimal quantity;               // PRO1:CANTIDAD
  Date date;                      // PRO1:FECHA
  std::optional<Decimal> margin;  // "Margen Utilidad:" edited on the form; else the line's
};

// One line of the order: a Produc02 record's values and the description shown.
struct DraftLine {
  QString code;         // PRO2:CODIGO_BASICO
  QString description;  // BAS:DESCRIPCION, or "!!! CODIGO INEXISTENTE !!!"
  Decimal grams;        // PRO2:CANTIDAD
  Decimal litres;       // PRO2:VOLUMEN
};

struct OrderDraft {
  Record header;  // Produc01
  std::vector<DraftLine> lines;
  QString complement;   // LOC:TEXTOB
  Decimal partA;        // 2 decimals
  Decimal total;        // TOTAL
  Decimal volumeTotal;  // VOLTOT
  Decimal rate;         // DOL:COTIZACION of the order's date
  Decimal margin;       // LIN:MARGEN in use
  Decimal vatRate;      // PAR:ALICUOTA_DEL_IVA
  Decimal basicCost;    // LOC:COSTOBASICO
  OrderPrices prices;   // PRECIONETOVENTA, LOC:IVA, PRO1:COSTO_DE_PRODUCCION
  QStringList notices;  // the texts of the message boxes the form would show
};

class NewOrderBuilder {
 public:
  explicit NewOrderBuilder(FileManagers& files);
  // Opens the tables it reads for the call and closes them again. Answers
  // nothing when one of them cannot be opened.
  std::optional<OrderDraft> build(const OrderEntries& entries);

 private:
  bool fetch(FileManager& table, const char* key, const char* field, const FieldValue& value);
  void acceptProduct(OrderDraft& draft, const OrderEntries& entries);
  void acceptQuantity(OrderDraft& draft, const OrderEntries& entries);
  void load(OrderDraft& draft, bool direct);
  void computePrices(OrderDraft& draft, const OrderEntries& entries);

  FileManager& produc01_;
  FileManager& linea_;
  FileManager& terminado_;
  FileManager& formula1_;
  FileManager& formula2_;
  FileManager& basicos_;
  FileManager& aBasicos_;
  FileManager& relacion_;
  FileManager& dolar_;
  FileManager& paramet_;
  bool hasFormula_ = false;
};

}  // namespace bv
