#pragma once
// A fresh data directory with its own SQLite layer for each test, and record
// helpers over the dictionary's tables.
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "tests/support/test_layer.h"
#include "storage/dictionary/dictionary.h"
#include "storage/filelayer/file_layer.h"

namespace bv::test {

inline const TableDef& tableDef(const char* label) { return *Dictionary::instance().table(QString::fromUtf8(label)); }
inline const KeyDef& keyDef(const char* label) { return *Dictionary::instance().key(QString::fromUtf8(label)).key; }

inline Record formula1(int code, const QString& finished, const QString& notes = {}) {
  Record r(tableDef("Formula1"));
  r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(code));
  r.setText("FOR1:CODIGO_TERMINADO", finished);
  r.setText("FOR1:OBSERVACIONES", notes);
  return r;
}

inline Record formula2(int code, const QString& basic, int quantity = 1) {
  Record r(tableDef("Formula2"));
  r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(code));
  r.setText("FOR2:CODIGO_BASICO", basic);
  r.setDecimal("FOR2:CANTIDAD", Decimal(quantity));
  return r;
}

inline Record basico(const QString& code, const QString& description = {}, const QString& column = {}) {
  Record r(tableDef("Basicos"));
  r.setText("BAS:CODIGO", code);
  r.setText("BAS:DESCRIPCION", description);
  r.setText("BAS:COLUMNA_EN_EXCEL", column);
  return r;
}

// Reads a whole key (nullptr: position order) forward; one text field per record.
inline QStringList readAll(KeyedFile& f, const KeyDef* key, const char* field) {
  QStringList out;
  Record r(f.table());
  f.setPosition(key, FileEdge::Start);
  while (f.next(r) == kFileOk) out << r.text(field);
  return out;
}

// PRAGMA integrity_check of a file through a connection of its own. On the
// server there is no file to check: the server keeps its own storage whole.
inline QString integrityOf(const QString& path) {
  if (onTestServer()) return QStringLiteral("ok");
  sqlite3* db = nullptr;
  QString result;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) result += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
  }
  sqlite3_close(db);
  return result;
}

class LayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    layer = makeLayer();
  }
  std::shared_ptr<FileLayer> makeLayer(int busyTimeoutMs = 1000) const {
    FileLayerOptions o;
    o.dataDirectory = dir.path();
    o.busyTimeoutMs = busyTimeoutMs;
    return makeTestLayer(o);
  }
  std::unique_ptr<KeyedFile> open(const char* label, int share = kShareDenyNone, FileLayer* on = nullptr) {
    auto f = (on ? on : layer.get())->file(tableDef(label));
    EXPECT_EQ(f->open(share, true), kFileOk) << label;
    return f;
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
};

}  // namespace bv::test
