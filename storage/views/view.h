#pragma once
// A view: the records of a primary table in an order, each left-joined to the
// records of further tables through link fields, narrowed by a filter
// expression and, when the order starts with a key, by bounds on its leading
// components.
//
// The view reads through handles of its own (opened without lock), so its
// position never moves a file manager's cursor; each record it reads is put in
// the managers' buffers of the calling context, where the filter and the
// names bound for it read their values, and where the window shows them.
//
// Reading goes by pages: the view reads a page of records ahead in the
// direction of travel, keeps a few pages behind, and reads buffered records
// again when they are older than the refresh time. An order that starts with
// a key's components is read along that key's index, one indexed query per
// record, so a page costs the same in a small and in a large table; order
// components past the key are sorted in memory within each group of equal key
// values (a whole table when no key fits).
//
// A one-to-one join takes the first record that the links lead to; a
// one-to-many join gives one view record per linked record; both keep the
// record with blank joined fields when nothing is linked.
#include <QElapsedTimer>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/filter/filter_expression.h"
#include "storage/managers/file_manager.h"
#include "storage/views/order_text.h"
#include "storage/views/view_row.h"

namespace bv {

enum class JoinKind { OneToOne, OneToMany };

// Bounds on the leading components of the view's order: every record lies
// between `low` and `high` (component by component, both included).
struct ViewBounds {
  std::vector<FieldValue> low;
  std::vector<FieldValue> high;
};

class View {
 public:
  static constexpr int kPageRows = 20;
  static constexpr int kPagesBehind = 2;
  static constexpr int kRefreshSeconds = 60;
  // At most this many pages of primary records are read at once for a page of
  // view records (a selective filter).
  static constexpr int kMostPages = 16;

  explicit View(FileManager& primary);
  ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  // Joins `table` to the view's table number `from` (0 the primary, i the i-th
  // join): its records whose fields (second of each link) hold the values of
  // the `from` table's fields (first) along its key `key`, whose leading
  // components the links fill. Answers the join's table number.
  int join(int from, FileManager& table, const KeyDef& key, const std::vector<std::pair<QString, QString>>& links,
           JoinKind kind);
  int tableCount() const { return static_cast<int>(tables_.size()); }
  FileManager& table(int number) const { return *tables_[number].manager; }

  // Names expressions may use besides the tables' fields (bind before the
  // filter that uses them is set).
  FilterFunctionBinding& binding() { return binding_; }

  // Opens every table's handle (share code 0x22, no lock); answers a file code
  // (52 when open already).
  int open();
  void close();
  bool isOpen() const { return open_; }

  // Sets the order; false (with the reason) when a component names nothing
  // the view knows.
  bool setOrder(const QString& text, QString* reason = nullptr);
  const QString& order() const { return orderText_; }
  // Sets the filter; an empty text removes it. False (with the reason) when
  // the expression is refused; the view then keeps no filter.
  bool setFilter(const QString& text, QString* reason = nullptr);
  const QString& filter() const { return filterText_; }
  bool hasFilter() const { return filter_.has_value(); }
  // Bounds on the order's leading components; kept only when those components
  // lead the key the view reads (answers whether they do).
  bool setBounds(const ViewBounds& bounds);
  void clearBounds();
  bool hasBounds() const { return bounds_.has_value(); }
  void setReadAhead(int pageRows, int pagesBehind, int refreshMilliseconds);

  // ---- reading ----------------------------------------------------------------
  // Before the first record / after the last one.
  void toStart();
  void toEnd();
  // Before the first record whose leading order components are at or past
  // `values` (texts and numbers as the components hold them).
  int toValues(const std::vector<FieldValue>& values);
  // Around a record read before: next() reads the one after it, previous()
  // the one before it. A record gone meanwhile: the view goes on from where
  // it was in the order.
  int toRecord(const ViewRow& row);
  // The next or previous record, put in the buffers: 0; 33 at the end (the
  // view stays there); any other file code is a read error (runtime error set).
  int next();
  int previous();
  // The record last read; nullptr before the first and after the last.
  const ViewRow* current() const;
  // Puts a record's records in the managers' buffers.
  void load(const ViewRow& row);
  // The value of order component `index` for the records in the buffers, as
  // text ("" past the order's components).
  QString orderValueText(std::size_t index) const;

  // ---- sizes --------------------------------------------------------------------
  // Records of the primary table (placeholders left out); -1 on error.
  qint64 recordCount();
  qint64 fileSize();
  // Bytes of one primary record.
  int recordSize() const;

  // Records read from the primary file since the view was opened (a measure
  // of the work the view did).
  qint64 recordsRead() const { return recordsRead_; }

 private:
  struct Link {
    const FieldDef* from = nullptr;
    const FieldDef* to = nullptr;
  };
  struct Table {
    FileManager* manager = nullptr;
    std::unique_ptr<KeyedFile> handle;
    // Joins only:
    int from = 0;
    const KeyDef* key = nullptr;
    std::vector<Link> links;
    JoinKind kind = JoinKind::OneToOne;
    bool byUniqueKey = false;  // the links fill the whole of a unique key
  };
  struct SortComponent {
    int slot = -1;
    bool descending = false;
    bool upper = false;
  };
  enum Direction { kBackward = 0, kForward = 1 };

  void chooseReadKey();
  void resetReading();
  bool physicalForward(Direction d) const { return (d == kForward) == readForward_; }
  // Where a record lies against the bounds in the view's order: -1 before, 0 in, 1 past.
  int againstBounds(const Record& record) const;
  std::vector<FieldValue> prefixValues(const Record& record, std::size_t count) const;
  Record probe(const std::vector<FieldValue>& values, bool highRest) const;

  int frontier(Direction d);
  // Makes sure a primary record read from the file waits in direction `d`.
  int pull(Direction d);
  int batchSize() const;
  // Forgets where reading in direction `d` goes on (found again from the rows).
  void forget(Direction d);
  int readBlock(Direction d, std::vector<ViewRow>& block);
  int fill(Direction d);
  int expand(RecordPosition position, std::vector<ViewRow>& out);
  int joinRecords(const Table& join, const Record& from, std::vector<std::pair<Record, RecordPosition>>& out);
  bool passes();
  void sortBlock(std::vector<ViewRow>& rows) const;
  void trim();
  bool fresh(const ViewRow& row) const;
  void dropAfter(int index);
  void dropBefore(int index);
  qint64 now() const { return clock_.elapsed(); }

  std::vector<Table> tables_;
  FilterFunctionBinding binding_;
  bool open_ = false;

  QString orderText_;
  std::vector<OrderComponent> order_;
  const KeyDef* readKey_ = nullptr;  // nullptr: position order
  bool readForward_ = true;
  std::size_t keyPrefix_ = 0;        // leading order components the read key gives
  std::vector<bool> prefixUpper_;
  std::vector<SortComponent> sorted_;  // the order components past the key prefix

  QString filterText_;
  std::optional<FilterExpression> filter_;
  std::optional<ViewBounds> bounds_;
  std::vector<bool> boundsUpper_;

  int pageRows_ = kPageRows;
  int pagesBehind_ = kPagesBehind;
  int refreshMs_ = kRefreshSeconds * 1000;
  QElapsedTimer clock_;

  // The records read and not yet forgotten, in the view's order, and the
  // current one among them (-1 before them, size() after them).
  std::vector<ViewRow> rows_;
  int pos_ = -1;
  // Per direction: where the primary handle goes on from past the buffered
  // records (empty when it must be found again from them), and whether that
  // end of the view was met.
  std::optional<FileState> frontier_[2];
  bool exhausted_[2] = {false, false};
  // Primary records read from the file a page at a time and not yet made into
  // view records, and whether the file ended after them.
  std::deque<std::pair<Record, RecordPosition>> pending_[2];
  bool fileEnd_[2] = {false, false};
  qint64 recordsRead_ = 0;
  // Since the filter was set: primary records read and the view records they
  // gave, which size the reads.
  qint64 sampleRead_ = 0;
  qint64 sampleMade_ = 0;
};

}  // namespace bv
