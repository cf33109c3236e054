#pragma once
// Comma-separated rows as RFC 4180 writes them: a field that holds a comma, a
// double quote or a line break is enclosed in double quotes, with each double
// quote inside doubled; rows end with CR LF. The reader takes CR LF or LF
// between rows and keeps line breaks inside quoted fields exactly.
#include <QString>
#include <QStringList>
#include <optional>

namespace bv::cli {

inline const QString kCsvRowEnd = QStringLiteral("\r\n");

QString csvField(const QString& value);
// One row without its line end.
QString csvRow(const QStringList& fields);

class CsvReader {
 public:
  explicit CsvReader(QString text);

  // No rows left (blank lines at the end count as none).
  bool atEnd() const;
  // The next row; nullopt with a reason when a quoted field is not closed or a
  // quote is followed by something other than a comma or the row's end.
  std::optional<QStringList> next(QString* reason = nullptr);
  // The line the last row read began on, from 1.
  int line() const { return rowLine_; }

 private:
  QString text_;
  qsizetype pos_ = 0;
  int currentLine_ = 1;
  int rowLine_ = 0;
};

}  // namespace bv::cli
