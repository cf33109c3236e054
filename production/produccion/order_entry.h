#pragma once
// The steps of entering a production order, shared by the order form and the
// headless runner: what accepting the line, the product and the quantity do,
// the loading of the lines from the product's formula, and the cost and prices.
// The steps work on the order's header (a Produc01 record), its lines
// (Produc02 records, as the form's line list keeps them) and the figures the
// form shows, and read every other table through the file managers' buffers,
// so the form's displays show what the steps read.
//
//   OrderFigures figures;
//   OrderEntry entry(files, header, lines, figures, notice);
//   entry.readParameters();
//   entry.lineAccepted(); entry.productAccepted(); entry.quantityAccepted();
#include <functional>
#include <optional>
#include <vector>

#include <QHash>

#include <QString>
#include <QStringList>

#include "production/produccion/order_cost.h"
#include "runtime/decimal.h"
#include "storage/transactions/child_line.h"

namespace bv {

class FileManager;
class FileManagers;
class Record;

// The values the order form works out beside the record's fields.
struct OrderFigures {
  QString complement;   // LOC:TEXTOB
  Decimal partA;        // 2 decimals
  Decimal total;        // TOTAL: grams of the lines, 2 decimals
  Decimal volumeTotal;  // VOLTOT: litres of the lines, 2 decimals
  Decimal rate;         // DOL:COTIZACION of the order's date
  Decimal vatRate;      // PAR:ALICUOTA_DEL_IVA
  Decimal basicCost;    // LOC:COSTOBASICO
  OrderPrices prices;   // PRECIONETOVENTA, LOC:IVA, PRO1:COSTO_DE_PRODUCCION
  // The save flag: set by "&Grabar"; from then on the formula is never reloaded.
  bool saving = false;
};

class OrderEntry {
 public:
  // A message box of the steps: its text and caption.
  using Notice = std::function<void(const QString& text, const QString& caption)>;

  static inline const QString kNoFormula = QStringLiteral("Este producto no tiene cargada una formula de producción");
  static inline const QString kNoFormulaCaption = QStringLiteral("Control de operaciones");
  static inline const QString kBadQuantity = QStringLiteral("La Cantidad del producto, Solo puede ser 1 - 4 ó 20 ");
  static inline const QString kBadQuantityCaption = QStringLiteral("Sr. Usuario:");
  static inline const QString kMissingBasic = QStringLiteral("!!! CODIGO INEXISTENTE !!!");

  // The tables the steps read, to be open while they run.
  static QStringList tables();

  OrderEntry(FileManagers& files, Record& header, std::vector<ChildLine>& lines, OrderFigures& figures,
             Notice notice);

  // The tax rate of the first Paramet record (0 when there is none).
  void readParameters();
  // A new order: a zero date becomes today, a blank state 'P'.
  void completeNewHeader();

  // The line changed: product, quantity, component B, specific weight,
  // prices, complement, cost and lines are cleared. The line's own record
  // (its margin and discounts) is read by the caller's lookup.
  void lineChanged();
  // The product was accepted: its formula is read (the notice when it has
  // none) and quantity, component B, weight, prices, complement and lines are
  // cleared. Answers whether the product has a formula.
  bool productAccepted();
  // Whether the product's formula has a part B (FOR1:REL2 not zero): the
  // quantity is then asked as "Cantidad a producir (A+B):".
  bool hasPartB();
  // The quantity was accepted: component B from Relacion, then the lines
  // loaded (directly on line 33). Answers false when Relacion refused the
  // quantity (the notice shown, the quantity back to 0).
  bool quantityAccepted();
  // The standard loading ("Recargar la formula original"), whatever the line;
  // `direct` loads as line 33 does. Nothing happens once the save flag is set
  // or without a product.
  void load(bool direct = false);
  // TOTAL and VOLTOT from the lines as they stand.
  void sumLines();
  // "Calcular": LOC:COSTOBASICO, the prices and PRO1:COSTO_DE_PRODUCCION at
  // the dollar rate of the order's date, the line's discounts and margin.
  void computePrices();
  // "Margen Utilidad:" edited: the prices of the cost already worked out.
  void reprice();

  // LIN:MARGEN as the Linea buffer holds it (the form may have edited it).
  Decimal margin() const;

 private:
  bool fetch(FileManager& table, const char* key, const char* field, const QString& value);
  // What the steps take from a basic product (none when it is missing), read
  // once per step: a loading and the costing after it read each product once.
  struct KnownBasic {
    BasicCostTerms cost;
    Decimal density;  // BAS:PESO_ESPECIFICO
  };
  const std::optional<KnownBasic>& basic(const QString& code);
  bool readFormula();
  void clearFromQuantity();

  FileManagers& files_;
  Record& header_;
  std::vector<ChildLine>& lines_;
  OrderFigures& figures_;
  Notice notice_;
  QHash<QString, std::optional<KnownBasic>> basics_;
};

}  // namespace bv
