#include "tools/cli/csv_format.h"

namespace bv::cli {

QString csvField(const QString& value) {
  const bool quote = value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r');
  if (!quote) return value;
  return u'"' + QString(value).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString csvRow(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& f : fields) quoted << csvField(f);
  return quoted.join(u',');
}

CsvReader::CsvReader(QString text) : text_(std::move(text)) {
  // A byte-order mark that an editor may have put in front is no data.
  if (text_.startsWith(QChar(0xFEFF))) pos_ = 1;
}

bool CsvReader::atEnd() const {
  for (qsizetype i = pos_; i < text_.size(); ++i)
    if (text_[i] != u'\r' && text_[i] != u'\n') return false;
  return true;
}

std::optional<QStringList> CsvReader::next(QString* reason) {
  QStringList fields;
  QString field;
  bool quoted = false;      // inside a quoted field
  bool wasQuoted = false;   // the current field was quoted and is closed
  rowLine_ = currentLine_;
  const qsizetype n = text_.size();
  auto fail = [&](const QString& why) -> std::optional<QStringList> {
    if (reason) *reason = why;
    pos_ = n;
    return std::nullopt;
  };
  while (pos_ < n) {
    const QChar c = text_[pos_];
    if (quoted) {
      if (c == u'"') {
        if (pos_ + 1 < n && text_[pos_ + 1] == u'"') {
          field += u'"';
          pos_ += 2;
          continue;
        }
        quoted = false;
        wasQuoted = true;
        ++pos_;
        continue;
      }
      if (c == u'\n') ++currentLine_;
      field += c;
      ++pos_;
      continue;
    }
    if (c == u',') {
      fields << field;
      field.clear();
      wasQuoted = false;
      ++pos_;
      continue;
    }
    if (c == u'\r' || c == u'\n') {
      pos_ += (c == u'\r' && pos_ + 1 < n && text_[pos_ + 1] == u'\n') ? 2 : 1;
      ++currentLine_;
      fields << field;
      return fields;
    }
    if (wasQuoted) return fail(QStringLiteral("después de unas comillas de cierre sólo puede seguir una coma o el fin de la fila"));
    if (c == u'"') {
      if (!field.isEmpty()) return fail(QStringLiteral("comillas dentro de un campo sin comillas"));
      quoted = true;
      ++pos_;
      continue;
    }
    field += c;
    ++pos_;
  }
  if (quoted) return fail(QStringLiteral("un campo entre comillas no se cierra"));
  fields << field;
  return fields;
}

}  // namespace bv::cli
