#include "printing/labels/label_fill.h"

#include <vector>

#include "printing/related_record.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/empty_table.h"
#include "storage/relations/integrity_transaction.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

// The tables one run reads and writes, open for its length.
class LabelTables {
 public:
  explicit LabelTables(FileManagers& files)
      : etiquetas(files[u"Etiquetas"_s]),
        orders(files[u"Produc01"_s]),
        products(files[u"Terminado"_s]),
        lines(files[u"Linea"_s]),
        customers(files[u"Clientes"_s]) {}
  ~LabelTables() {
    for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  }
  LabelTables(const LabelTables&) = delete;
  LabelTables& operator=(const LabelTables&) = delete;

  int open(std::initializer_list<FileManager*> tables) {
    for (FileManager* m : tables) {
      const int level = m->open();
      if (level != kLevelBenign) return level;
      opened_.push_back(m);
    }
    return kLevelBenign;
  }

  FileManager& etiquetas;
  FileManager& orders;
  FileManager& products;
  FileManager& lines;
  FileManager& customers;

 private:
  std::vector<FileManager*> opened_;
};

// Walks the marked orders in PRO1:KEYMAR order, each in the order's buffer.
// Answers 0 at the end of the marked ones, else the failure's level.
int forEachMarked(FileManager& orders, IntegrityFailure& failure, const std::function<int()>& visit) {
  Record& order = orders.buffer();
  order.clear();
  order.setText("PRO1:MARCA", labels::kMarked);
  if (const int level = orders.setPosition(orders.keyDef(u"PRO1:KEYMAR")); level != kLevelBenign)
    return failure.at(orders, level);
  for (;;) {
    const int level = orders.tryNext();
    if (level != kLevelBenign) return orders.endOfFile() ? kLevelBenign : failure.at(orders, level);
    if (order.text("PRO1:MARCA") != labels::kMarked) return kLevelBenign;
    if (const int visited = visit(); visited != kLevelBenign) return visited;
  }
}

// Lays the labels row by row: a label in the left half adds a record, one in
// the right half completes the record added last.
class SheetWriter {
 public:
  SheetWriter(FileManager& etiquetas, IntegrityFailure& failure) : t_(etiquetas), failure_(failure) {}

  int skip(const labels::SheetPosition& start) {
    for (int row = 1; row < start.row; ++row)
      if (const int level = addBlank(); level != kLevelBenign) return level;
    if (start.column == 2) {
      if (const int level = addBlank(); level != kLevelBenign) return level;
      right_ = true;
    }
    return kLevelBenign;
  }

  int put(const QString& a, const QString& b, const QString& c) {
    Record& r = t_.buffer();
    if (!right_) {
      r.clear();
      setLines(r, "1", a, b, c);
      if (const int level = t_.tryInsert(); level != kLevelBenign) return failure_.at(t_, level);
      right_ = true;
      return kLevelBenign;
    }
    // The record added last is still in the buffer and is its current one.
    setLines(r, "2", a, b, c);
    if (const int level = t_.tryUpdate(); level != kLevelBenign) return failure_.at(t_, level);
    right_ = false;
    return kLevelBenign;
  }

 private:
  static void setLines(Record& r, const char* half, const QString& a, const QString& b, const QString& c) {
    const QString suffix = QString::fromLatin1(half);
    r.setText(u"ETI:LINEA_A"_s + suffix, a.left(labels::kLineWidth));
    r.setText(u"ETI:LINEA_B"_s + suffix, b.left(labels::kLineWidth));
    r.setText(u"ETI:LINEA_C"_s + suffix, c.left(labels::kLineWidth));
  }
  int addBlank() {
    t_.buffer().clear();
    if (const int level = t_.tryInsert(); level != kLevelBenign) return failure_.at(t_, level);
    return kLevelBenign;
  }

  FileManager& t_;
  IntegrityFailure& failure_;
  bool right_ = false;
};

}  // namespace

LabelFill::LabelFill(FileManagers& files, ContextId context) : files_(files), context_(context) {}

int LabelFill::totalLabels(int& total) {
  const ContextGuard guard(context_);
  total = 0;
  LabelTables t(files_);
  if (const int level = t.open({&t.orders}); level != kLevelBenign) return level;
  IntegrityFailure failure;
  const int level = forEachMarked(t.orders, failure, [&]() -> int {
    total += labels::labelsFor(t.orders.buffer().decimal("PRO1:CANTIDAD_ETIQUETAS"));
    return kLevelBenign;
  });
  return level == kLevelBenign ? level : failure.raise();
}

int LabelFill::fill(const labels::SheetPosition& start, const Progress& progress) {
  int total = 0;
  if (const int level = totalLabels(total); level != kLevelBenign) return level;
  const ContextGuard guard(context_);
  LabelTables t(files_);
  if (const int level = t.open({&t.etiquetas, &t.orders, &t.products, &t.lines, &t.customers});
      level != kLevelBenign)
    return level;
  auto tell = [&](int percent) {
    if (progress) progress(percent);
  };
  tell(0);
  IntegrityFailure failure;
  int level = kLevelBenign;
  {
    IntegrityTransaction transaction(files_.layer());
    level = transaction.mark(t.etiquetas, failure);
    if (level == kLevelBenign) level = transaction.begin(t.etiquetas, failure);
    if (level == kLevelBenign) level = emptyTable(t.etiquetas, failure);
    SheetWriter sheet(t.etiquetas, failure);
    if (level == kLevelBenign) level = sheet.skip(start);
    int placed = 0;
    if (level == kLevelBenign)
      level = forEachMarked(t.orders, failure, [&]() -> int {
        const Record& order = t.orders.buffer();
        fetchOrClear(t.products, "TER:CODIGO", order.value("PRO1:CODIGO_TERMINADO"), u"TER:KEYCOD"_s);
        fetchOrClear(t.lines, "LIN:CODIGO", order.value("PRO1:LINEA"), u"LIN:KEYCOD"_s);
        fetchOrClear(t.customers, "CLI:CODIGO", order.value("PRO1:CLIENTE"), u"CLI:KEYCOD"_s);
        const QString a = labels::productLine(t.products.buffer().text("TER:DESCRIPCION"),
                                              t.products.buffer().text("TER:CODIGO"));
        const QString b = t.lines.buffer().text("LIN:DESCRIPCION");
        const QString c = t.customers.buffer().text("CLI:NOMBRE");
        const int count = labels::labelsFor(order.decimal("PRO1:CANTIDAD_ETIQUETAS"));
        for (int i = 0; i < count; ++i) {
          ++placed;
          // A mark set by another station since the total was taken may
          // carry the count past it: the bar stops at 100.
          tell(total > 0 ? std::min(100, placed * 100 / total) : 100);
          if (const int put = sheet.put(a, b, c); put != kLevelBenign) return put;
        }
        return kLevelBenign;
      });
    if (level == kLevelBenign) level = transaction.commit(t.etiquetas, failure);
  }  // rolled back unless committed
  tell(0);
  return level == kLevelBenign ? level : failure.raise();
}

}  // namespace bv
