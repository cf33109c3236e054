#include "kalrep/writers/dbf_writer.h"

#include "kalrep/export_file.h"
#include "kalrep/writers/bytes.h"
#include "runtime/date_time.h"

namespace bv {
namespace {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr int kNameLength = 10;

void putWord(QByteArray& b, int at, quint32 v) {
  b[at] = char(v & 0xFF);
  b[at + 1] = char((v >> 8) & 0xFF);
}

void putLong(QByteArray& b, int at, quint32 v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

quint32 word(const QByteArray& b, int at) {
  return quint32(quint8(b[at])) | (quint32(quint8(b[at + 1])) << 8);
}

quint32 longAt(const QByteArray& b, int at) {
  quint32 v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | quint8(b[at + i]);
  return v;
}

// The cell's bytes padded with blanks to the field length, or cut at it.
void appendField(QByteArray& out, const QString& text, int length) {
  QByteArray bytes;
  appendCp1252(bytes, text);
  if (bytes.size() > length) bytes.truncate(length);
  out += bytes;
  out.append(length - bytes.size(), ' ');
}

}  // namespace

DbfWriter::DbfWriter(ExportFile& file, std::vector<WriterColumn> columns, bool create)
    : file_(file), columns_(std::move(columns)), create_(create) {
  for (const WriterColumn& c : columns_) recordLength_ += c.fieldLength;
}

bool DbfWriter::begin() {
  if (create_ || file_.size() == 0) return writeNewTable();
  return openExistingTable();
}

bool DbfWriter::writeNewTable() {
  const int headerLength = kHeaderSize + kDescriptorSize * int(columns_.size()) + 1;
  QByteArray out(kHeaderSize, '\0');
  out[0] = 3;
  putWord(out, 8, quint32(headerLength));
  putWord(out, 10, quint32(recordLength_));
  for (const WriterColumn& c : columns_) {
    QByteArray d(kDescriptorSize, '\0');
    QByteArray name;
    appendCp1252(name, c.heading.toUpper().left(kNameLength));
    for (qsizetype i = 0; i < name.size() && i < kNameLength; ++i) d[i] = name[i];
    d[11] = 'C';
    d[16] = char(c.fieldLength % 256);
    d[17] = char(c.fieldLength / 256);
    out += d;
  }
  out += kHeaderEnd;
  return file_.writeAt(0, out);
}

bool DbfWriter::openExistingTable() {
  const auto header = file_.readAt(0, kHeaderSize);
  if (!header) return false;
  existing_ = int(longAt(*header, 4));
  // Only an end-of-file mark is taken away: a table that lacks one (never
  // closed) keeps its last record whole.
  const qint64 size = file_.size();
  const auto last = file_.readAt(size - 1, 1);
  if (last && last->at(0) == kEndOfFile) return file_.truncate(size - 1);
  return true;
}

bool DbfWriter::row(const std::vector<WriterCell>& cells, const RowStyle&, int) {
  QByteArray record;
  record.reserve(recordLength_);
  record += ' ';  // not deleted
  for (std::size_t i = 0; i < columns_.size(); ++i)
    appendField(record, i < cells.size() ? cells[i].text : QString(), columns_[i].fieldLength);
  return file_.append(record);
}

bool DbfWriter::finish(int) {
  auto header = file_.readAt(0, kHeaderSize);
  if (!header) return false;
  const Date today = Clock::today();
  (*header)[1] = char(today.year() - 1900);
  (*header)[2] = char(today.month());
  (*header)[3] = char(today.day());
  // The count of whole records the file holds, whatever rows failed to write.
  const qint64 headerLength = word(*header, 8);
  const qint64 recordLength = word(*header, 10);
  const qint64 body = file_.size() - headerLength;
  const qint64 records = recordLength > 0 && body > 0 ? body / recordLength : 0;
  putLong(*header, 4, quint32(records));
  return file_.writeAt(0, *header) && file_.append(QByteArrayView(&kEndOfFile, 1));
}

}  // namespace bv
