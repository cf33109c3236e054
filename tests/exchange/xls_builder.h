#pragma once
// Small ".xls" workbooks for the readers' tests: one sheet of text and number
// cells in the older binary format (a compound file holding a "Workbook"
// stream of records), as little as a reader needs to find the cells.
#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <map>
#include <utility>

namespace bv::test {

class XlsBuilder {
 public:
  // Row and column from 0.
  XlsBuilder& text(int row, int column, const QByteArray& latin1) {
    cells_[{row, column}] = {true, latin1, 0};
    return *this;
  }
  XlsBuilder& number(int row, int column, double value) {
    cells_[{row, column}] = {false, {}, value};
    return *this;
  }

  QByteArray bytes() const { return compoundFile(workbookStream()); }

 private:
  struct Value {
    bool isText;
    QByteArray text;
    double number;
  };

  static void u16(QByteArray& out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); }
  static void u32(QByteArray& out, quint32 v) {
    u16(out, quint16(v & 0xFFFF));
    u16(out, quint16(v >> 16));
  }
  static void record(QByteArray& out, quint16 type, const QByteArray& data) {
    u16(out, type);
    u16(out, quint16(data.size()));
    out.append(data);
  }
  static QByteArray bof(quint16 kind) {
    QByteArray d;
    u16(d, 0x0600);  // BIFF8
    u16(d, kind);
    u16(d, 0x0DBB);
    u16(d, 0x07CC);
    u32(d, 0);
    u32(d, 0x00000006);
    return d;
  }

  QByteArray workbookStream() const {
    // The shared strings, in the order their cells come.
    std::map<QByteArray, quint32> index;
    QByteArray strings;
    quint32 total = 0;
    for (const auto& [at, v] : cells_) {
      if (!v.isText) continue;
      ++total;
      if (index.count(v.text)) continue;
      index[v.text] = quint32(index.size());
      u16(strings, quint16(v.text.size()));
      strings.append(char(0));  // 8-bit characters
      strings.append(v.text);
    }
    QByteArray globals;
    record(globals, 0x0809, bof(0x0005));
    QByteArray w;
    u16(w, 1200);
    record(globals, 0x0042, w);  // code page
    w.clear();
    u16(w, 0);
    record(globals, 0x0022, w);  // dates from 1900
    QByteArray font(14, '\0');
    font[0] = char(200);
    font.append(char(0)).append(char(0));  // empty name
    for (int i = 0; i < 5; ++i) record(globals, 0x0031, font);
    for (int i = 0; i < 16; ++i) {
      QByteArray xf(20, '\0');
      if (i < 15) xf[4] = char(0xF5), xf[5] = char(0xFF);  // style records
      record(globals, 0x00E0, xf);
    }
    QByteArray sst;
    u32(sst, total);
    u32(sst, quint32(index.size()));
    sst.append(strings);
    record(globals, 0x00FC, sst);
    QByteArray sheetName = "Hoja1";
    QByteArray bound;
    u32(bound, 0);  // the sheet's offset, set below
    u16(bound, 0);
    bound.append(char(sheetName.size())).append(char(0)).append(sheetName);
    const qsizetype boundAt = globals.size() + 4;
    record(globals, 0x0085, bound);
    record(globals, 0x000A, {});

    QByteArray sheet;
    record(sheet, 0x0809, bof(0x0010));
    int lastRow = 0, lastColumn = 0;
    for (const auto& [at, v] : cells_) {
      lastRow = std::max(lastRow, at.first);
      lastColumn = std::max(lastColumn, at.second);
    }
    QByteArray dims;
    u32(dims, 0);
    u32(dims, quint32(lastRow + 1));
    u16(dims, 0);
    u16(dims, quint16(lastColumn + 1));
    u16(dims, 0);
    record(sheet, 0x0200, dims);
    for (const auto& [at, v] : cells_) {
      QByteArray c;
      u16(c, quint16(at.first));
      u16(c, quint16(at.second));
      u16(c, 15);
      if (v.isText) {
        u32(c, index.at(v.text));
        record(sheet, 0x00FD, c);
      } else {
        quint64 bits;
        std::memcpy(&bits, &v.number, sizeof bits);
        u32(c, quint32(bits & 0xFFFFFFFF));
        u32(c, quint32(bits >> 32));
        record(sheet, 0x0203, c);
      }
    }
    record(sheet, 0x000A, {});

    qToLittleEndian(quint32(globals.size()), globals.data() + boundAt);
    QByteArray stream = globals + sheet;
    // Below 4096 bytes a stream would live in the mini stream: keep it out.
    if (stream.size() < 4096) stream.append(QByteArray(4096 - stream.size(), '\0'));
    return stream;
  }

  static QByteArray compoundFile(QByteArray stream) {
    constexpr quint32 kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatSector = 0xFFFFFFFD;
    const quint32 streamSize = quint32(stream.size());
    stream.append(QByteArray((512 - stream.size() % 512) % 512, '\0'));
    const quint32 streamSectors = quint32(stream.size() / 512);
    QByteArray header;
    header.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8).append(QByteArray(16, '\0'));
    u16(header, 0x003E);
    u16(header, 0x0003);
    u16(header, 0xFFFE);
    u16(header, 9);
    u16(header, 6);
    header.append(QByteArray(6, '\0'));
    u32(header, 0);     // directory sectors (none counted in version 3)
    u32(header, 1);     // FAT sectors
    u32(header, 1);     // first directory sector
    u32(header, 0);
    u32(header, 4096);  // mini stream cutoff
    u32(header, kEnd);  // no mini FAT
    u32(header, 0);
    u32(header, kEnd);  // no DIFAT sectors
    u32(header, 0);
    u32(header, 0);  // the FAT is sector 0
    while (header.size() < 512) u32(header, kFree);

    QByteArray fat;
    u32(fat, kFatSector);
    u32(fat, kEnd);  // the directory
    for (quint32 i = 0; i < streamSectors; ++i) u32(fat, i + 1 == streamSectors ? kEnd : 3 + i);
    while (fat.size() < 512) u32(fat, kFree);

    const auto entry = [](const QString& name, char type, quint32 child, quint32 start, quint32 size) {
      QByteArray e(128, '\0');
      for (int i = 0; i < name.size(); ++i) qToLittleEndian(quint16(name[i].unicode()), e.data() + 2 * i);
      qToLittleEndian(quint16(name.isEmpty() ? 0 : 2 * (name.size() + 1)), e.data() + 64);
      e[66] = type;
      e[67] = 1;  // black
      qToLittleEndian(quint32(0xFFFFFFFF), e.data() + 68);
      qToLittleEndian(quint32(0xFFFFFFFF), e.data() + 72);
      qToLittleEndian(child, e.data() + 76);
      qToLittleEndian(start, e.data() + 116);
      qToLittleEndian(size, e.data() + 120);
      return e;
    };
    QByteArray directory = entry(QStringLiteral("Root Entry"), 5, 1, kEnd, 0) +
                           entry(QStringLiteral("Workbook"), 2, 0xFFFFFFFF, 2, streamSize) +
                           entry({}, 0, 0xFFFFFFFF, 0, 0) + entry({}, 0, 0xFFFFFFFF, 0, 0);
    return header + fat + directory + stream;
  }

  std::map<std::pair<int, int>, Value> cells_;
};

}  // namespace bv::test
