#pragma once
// What a report process reads: the report's view, record by record, as the view
// manager reads it (order, range, named filters, record test).
#include <QString>
#include <QtGlobal>

namespace bv {

class ProcessReader {
 public:
  virtual ~ProcessReader() = default;
  // Back to before the first record of the view.
  virtual void reset() = 0;
  // Reads the next record that passes the view's filters: 0 a record was read;
  // 5 the view ended (out of range or end of file); 3 a read error, already
  // reported with message 1.
  virtual int next() = 0;
  // The primary table's record count; 0 when the file layer cannot tell.
  virtual qint64 recordCount() const = 0;
  // The primary table's file size in bytes, and the size of the record just read.
  virtual qint64 fileSize() const = 0;
  virtual qint64 recordSize() const = 0;
  // The current, first and last key values of the view, for a step object.
  virtual QString currentKeyValue() const { return {}; }
  virtual QString firstKeyValue() { return {}; }
  virtual QString lastKeyValue() { return {}; }
  // Closes the tables the procedure opened.
  virtual void close() = 0;
};

// Gives the percentage from where the current key value lies between the view's
// first and last key values.
class ProcessStep {
 public:
  virtual ~ProcessStep() = default;
  virtual void setRange(const QString& first, const QString& last) = 0;
  virtual int percentFor(const QString& current) const = 0;
};

}  // namespace bv
