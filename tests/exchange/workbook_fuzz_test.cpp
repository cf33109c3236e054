// Bad workbooks: files that are no workbook, truncated ones, zips whose
// entries lie about their sizes, and a bounded run of randomly damaged copies
// of a good ".xls" and a good ".xlsx" through both readers and through the
// import. None may crash, and the import never writes half a row.
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <random>

#include "exchange/formula_import.h"
#include "runtime/automation/workbook_files.h"
#include "tests/exchange/exchange_fixture.h"
#include "tests/exchange/workbook_builder.h"
#include "tests/exchange/xls_builder.h"
#include "tests/kalrep/kalrep_test_support.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

// How long each reader is fed damaged files (BRAVENT_FUZZ_MS makes a longer
// run by hand).
int fuzzMilliseconds() {
  bool ok = false;
  const int given = qEnvironmentVariableIntValue("BRAVENT_FUZZ_MS", &ok);
  return ok && given > 0 ? given : 1500;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

class BadWorkbooks : public ExchangeTest {
 protected:
  QString goodXlsx() {
    WorkbookBuilder book;
    book.cell(u"A3"_s, u"ROJO"_s).cell(u"B3"_s, u"Rojo"_s).cell(u"D3"_s, u"12.5"_s).cell(u"A4"_s, u"AZUL"_s);
    return book.save(path(u"bueno.xlsx"_s));
  }
  QString goodXls() {
    const QString file = path(u"bueno.xls"_s);
    writeAll(file, XlsBuilder().text(2, 0, "ROJO").text(2, 1, "Rojo").number(2, 3, 12.5).text(3, 0, "AZUL").bytes());
    return file;
  }
  QString cellA3(const QString& file) {
    QString error;
    const auto book = readWorkbookFile(file, &error);
    if (!book) return u"<"_s + error + u">"_s;
    const Cell* c = book->activeSheet().find({3, 1});
    return c ? c->text : QString();
  }
};

TEST_F(BadWorkbooks, TheGoodFilesReadBack) {
  EXPECT_EQ(cellA3(goodXlsx()), u"ROJO"_s);
  const QString xls = goodXls();
  EXPECT_EQ(cellA3(xls), u"ROJO"_s);
  const auto book = readWorkbookFile(xls);
  ASSERT_TRUE(book);
  ASSERT_TRUE(book->activeSheet().find({3, 4}));
  EXPECT_EQ(book->activeSheet().find({3, 4})->text, u"12.5"_s);
}

TEST_F(BadWorkbooks, NoWorkbookTruncatedOrEmptyIsRefused) {
  const QString file = path(u"x.xlsx"_s);
  for (const QByteArray& bytes : {QByteArray(), QByteArray("PK"), QByteArray("PK\x03\x04garbage"),
                                  QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), QByteArray(5000, 'x')}) {
    writeAll(file, bytes);
    EXPECT_FALSE(readWorkbookFile(file)) << bytes.left(8).toHex().toStdString();
  }
  for (const QString& good : {goodXlsx(), goodXls()}) {
    const QByteArray whole = readAll(good);
    for (qsizetype cut : {qsizetype(100), whole.size() / 2, whole.size() - 10}) {
      writeAll(file, whole.left(cut));
      readWorkbookFile(file);  // refused or read: never a crash
    }
  }
}

// A stated size is never trusted: the entry is read to its end (and its
// checksum checked), so the file reads right or not at all, and a claimed size
// of gigabytes is never taken into memory.
TEST_F(BadWorkbooks, ZipEntriesThatLieAboutTheirSizesReadRightOrNotAtAll) {
  const QByteArray whole = readAll(goodXlsx());
  const QString file = path(u"miente.xlsx"_s);
  // Every entry claims an uncompressed size of almost 4 GB, in its local
  // header and in the central directory.
  QByteArray huge = whole;
  for (qsizetype at = 0; (at = huge.indexOf("PK\x03\x04", at)) >= 0; at += 4)
    qToLittleEndian(quint32(0xFFFFFFF0), huge.data() + at + 22);
  for (qsizetype at = 0; (at = huge.indexOf("PK\x01\x02", at)) >= 0; at += 4)
    qToLittleEndian(quint32(0xFFFFFFF0), huge.data() + at + 24);
  writeAll(file, huge);
  QString a3 = cellA3(file);
  EXPECT_TRUE(a3 == u"ROJO"_s || a3.startsWith(u'<')) << a3.toStdString();
  // ... or a size of a few bytes.
  QByteArray tiny = whole;
  for (qsizetype at = 0; (at = tiny.indexOf("PK\x01\x02", at)) >= 0; at += 4)
    qToLittleEndian(quint32(3), tiny.data() + at + 24);
  writeAll(file, tiny);
  a3 = cellA3(file);
  EXPECT_TRUE(a3 == u"ROJO"_s || a3.startsWith(u'<')) << a3.toStdString();
}

TEST_F(BadWorkbooks, RandomDamageNeverCrashesAReader) {
  std::mt19937 random(20261208);
  for (const QString& good : {goodXls(), goodXlsx()}) {
    const QByteArray whole = readAll(good);
    const QString file = path(u"danado"_s + QFileInfo(good).suffix());
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (clock.elapsed() < fuzzMilliseconds()) {
      QByteArray bytes = whole;
      const int damage = int(random() % 4);
      if (damage == 0) {
        bytes.truncate(qsizetype(random() % quint32(bytes.size())));
      } else {
        for (int i = 0, n = 1 + int(random() % 16); i < n; ++i) {
          const auto at = qsizetype(random() % quint32(bytes.size()));
          bytes[at] = damage == 1 ? char(random()) : char(bytes[at] ^ (1 << (random() % 8)));
        }
      }
      writeAll(file, bytes);
      if (auto book = readWorkbookFile(file)) book->activeSheet().find({3, 1});
      ++runs;
    }
    EXPECT_GT(runs, 10);
  }
}

TEST_F(BadWorkbooks, TheImportOfADamagedFileWritesWholeRowsOrNothing) {
  put("Basicos", [](Record& r) {
    r.setText("BAS:CODIGO", u"B1"_s);
    r.setText("BAS:COLUMNA_EN_EXCEL", u"D"_s);
    r.setText("BAS:MONEDA", u"D"_s);
  });
  std::mt19937 random(7);
  const QByteArray whole = readAll(goodXlsx());
  const QString file = path(u"danado.xlsx"_s);
  for (int run = 0; run < 40; ++run) {
    QByteArray bytes = whole;
    for (int i = 0; i < 4; ++i) {
      const auto at = qsizetype(random() % quint32(bytes.size()));
      bytes[at] = char(random());
    }
    writeAll(file, bytes);
    FormulaImport(files).run(file);
  }
  // Whatever was imported has its header and all its lines: one line of B1
  // per formula, with the quantity of the sheet.
  FileManager& formula1 = files[u"Formula1"_s];
  FileManager& formula2 = files[u"Formula2"_s];
  ASSERT_EQ(formula1.open(), kLevelBenign);
  ASSERT_EQ(formula2.open(), kLevelBenign);
  int lines = 0;
  formula2.setPosition(nullptr, FileEdge::Start);
  while (formula2.tryNext() == kLevelBenign) ++lines;
  int headers = 0;
  formula1.setPosition(nullptr, FileEdge::Start);
  while (formula1.tryNext() == kLevelBenign) ++headers;
  EXPECT_LE(lines, headers);
  formula1.close();
  formula2.close();
}

}  // namespace
}  // namespace bv::test
