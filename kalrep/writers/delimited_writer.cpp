#include "kalrep/writers/delimited_writer.h"

#include "kalrep/column_descriptor.h"
#include "kalrep/export_file.h"
#include "kalrep/oem_codepage.h"
#include "kalrep/writers/bytes.h"

namespace bv {
namespace {

bool contains(const QString& text, const QString& part) {
  if (part.isEmpty()) return false;
  if (part.size() > 1) return text.contains(part);
  const QChar c = part.at(0);
  for (const QChar t : text)
    if (t == c) return true;
  return false;
}

}  // namespace

DelimitedWriter::DelimitedWriter(ExportFile& file, QString quote, QString delimiter, bool oem)
    : file_(file),
      quote_(withoutTrailingBlanks(quote)),
      delimiter_(withoutTrailingBlanks(delimiter)),
      oem_(oem) {
  appendCp1252(quoteBytes_, quote_);
  appendCp1252(delimiterBytes_, delimiter_);
}

void DelimitedWriter::appendCell(QByteArray& out, const WriterCell& c) const {
  const bool quoted = c.type != u'N';
  if (quoted) out += quoteBytes_;
  // A quote inside is doubled; a delimiter inside gets a blank after it, so
  // that a reader splitting at the delimiter alone still finds the columns.
  const bool hasQuote = contains(c.text, quote_);
  const bool hasDelimiter = contains(c.text, delimiter_);
  if (hasQuote || hasDelimiter || oem_) {
    QString value = c.text;
    if (hasQuote) value.replace(quote_, quote_ + quote_);
    if (hasDelimiter) value.replace(delimiter_, delimiter_ + u' ');
    if (oem_)
      out += oem::encode(value);
    else
      appendCp1252(out, value);
  } else {
    appendCp1252(out, c.text);
  }
  if (quoted) out += quoteBytes_;
}

bool DelimitedWriter::row(const std::vector<WriterCell>& cells, const RowStyle&, int) {
  line_.resize(0);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line_ += delimiterBytes_;
    appendCell(line_, cells[i]);
  }
  line_ += "\r\n";
  return file_.append(line_);
}

}  // namespace bv
