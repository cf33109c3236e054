#pragma once
// The view manager: how lists and report processes read their table. It keeps
// the sort orders of a view (a key each, with its range, extra order text and
// named filters), joins the range and the filters into the one filter
// expression the view evaluates, and reads the view record by record through
// the reader's record test, or page by page for a list.
//
// A range fixes the leading components of the current order's key: all of them
// from the current values of the buffer, from given values, from a related
// record through its relation's field pairs, or the last one between a low and
// a high value. The view reads only within the range, along the key.
#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "storage/relations/relation.h"
#include "storage/views/view.h"

namespace bv {

enum class RangeKind { None, Current, Single, Pair, Related };

struct SortOrder {
  const ManagerKey* key = nullptr;
  QString extraOrder;
  RangeKind range = RangeKind::None;
  int rangeComponents = 0;  // leading key components the range fixes
  std::function<FieldValue()> single, low, high;
  FileManager* related = nullptr;
  std::vector<FieldPair> relatedPairs;  // the related table's field, this table's field
  QMap<QString, QString> filters;       // by name
};

// What the record test makes of the record just read.
enum class RecordTest { Ok, Filtered, OutOfRange };

// One page of a list, in the view's order.
struct ViewPage {
  std::vector<ViewRow> rows;
  bool atStart = false;  // nothing comes before the first row
  bool atEnd = false;    // nothing comes after the last row
  int level = 0;         // 3 when a read failed (message 1 shown)
};

class ViewManager {
 public:
  static constexpr int kMsgRetrieval = 1;
  static constexpr int kMsgViewError = 40;
  // The runtime error a refused order or filter reports as %ErrorText.
  static constexpr int kViewRefused = 801;
  static constexpr int kNameLength = 30;
  static inline const QString kStandardFilter = QStringLiteral("5 Standard");
  static inline const QString kLocatorFilter = QStringLiteral("3 Locator");
  static inline const QString kQueryFilter = QStringLiteral("9 - QBE");

  explicit ViewManager(FileManager& primary);
  virtual ~ViewManager();
  ViewManager(const ViewManager&) = delete;
  ViewManager& operator=(const ViewManager&) = delete;

  View& view() { return view_; }
  FileManager& primary() const { return primary_; }
  // Names for expressions (computed values, globals), bound before a filter
  // that uses them is applied.
  FilterFunctionBinding& binding() { return view_.binding(); }

  // ---- sort orders -----------------------------------------------------------------
  // Answers the order's number (from 1); the first one added is current.
  int addSortOrder(const KeyDef& key);
  void setSortOrder(int number);
  int sortOrder() const { return current_ + 1; }
  SortOrder& order() { return orders_[current_]; }
  // Extra order text of the current order ("*..." replaces the key's order).
  void appendOrder(const QString& extra);
  QString orderText() const;

  // ---- ranges of the current order; `field` is the key component it ends with ----
  void setRangeCurrent(const FieldDef& field);
  void setRangeSingle(const FieldDef& field, std::function<FieldValue()> value);
  void setRangePair(const FieldDef& field, std::function<FieldValue()> low, std::function<FieldValue()> high);
  // Values from `related`'s buffer through the pairs of `relation` (owned by the
  // related table, leading into this one).
  void setRangeRelated(const FieldDef& field, FileManager& related, const Relation& relation);
  void clearRange();

  // ---- named filters of the current order (an empty text removes one) -------------
  void setFilter(const QString& text, const QString& name = kStandardFilter);
  QString filterText(const QString& name = kStandardFilter) const;
  // The expression the order's range and filters make now.
  QString assembledFilter();

  // ---- opening and reading -----------------------------------------------------------
  // Opens the view (message 40 when it cannot be opened) and applies the order
  // and the filter. Answers 0 or 5.
  int open();
  void close();
  bool isOpen() const { return view_.isOpen(); }
  // Applies the order, the range values as they are now and the filters. A
  // refused order or filter shows message 40; the view then runs in the key's
  // order, or without filter and range.
  void apply();
  bool filterIgnored() const { return filterIgnored_; }

  // For a report process: applies and goes before the first record.
  void reset();
  // The next (previous) record that passes the record test: 0; 5 at the end of
  // the view or at the first record out of range; 3 on a read error, after
  // message 1.
  int next();
  int previous();
  const ViewRow* current() const { return view_.current(); }

  // The record test: out of range past the range, otherwise what the test set
  // with setRecordTest answers (passed when none).
  virtual RecordTest validateRecord();
  void setRecordTest(std::function<RecordTest()> test) { recordTest_ = std::move(test); }

  // ---- pages, for a list ------------------------------------------------------------
  ViewPage firstPage(int rows);
  ViewPage lastPage(int rows);
  ViewPage nextPage(const ViewRow& after, int rows);
  ViewPage previousPage(const ViewRow& before, int rows);
  // From the first record whose leading order components are at or past `values`.
  ViewPage pageAt(const std::vector<FieldValue>& values, int rows);
  // Makes a record of a page current: its records go to the buffers.
  void load(const ViewRow& row) { view_.load(row); }

  // ---- progress --------------------------------------------------------------------
  qint64 recordCount() { return view_.recordCount(); }
  qint64 fileSize() { return view_.fileSize(); }
  int recordSize() const { return view_.recordSize(); }
  // The first order component of the current record, and of the view's first
  // and last records (these two leave the view before its first record).
  QString currentKeyValue();
  QString firstKeyValue();
  QString lastKeyValue();

 private:
  struct AppliedRange {
    std::vector<FieldValue> low, high;  // over the range components
    std::vector<bool> upper;
    bool bounded = false;  // the view reads within it
  };
  void setRange(const FieldDef& field, RangeKind kind);
  std::optional<AppliedRange> rangeValues(QString& text);
  int raiseViewError(const QString& reason);
  int readError();
  int advance(bool forward);
  ViewPage collect(int rows, bool forward);

  FileManager& primary_;
  View view_;
  std::vector<SortOrder> orders_;
  int current_ = 0;
  std::function<RecordTest()> recordTest_;
  std::optional<AppliedRange> range_;
  bool filterIgnored_ = false;
};

}  // namespace bv
