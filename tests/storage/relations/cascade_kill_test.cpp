// A station killed at random points while it changes line codes (cascading into
// their finished products) and finished-product codes (cascading into their
// formulas and productions): after every kill each file passes SQLite's
// integrity check and every cascade is there whole or not at all.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>

#include <map>
#include <random>
#include <thread>

#include "storage/errors/standard_messages.h"
#include "storage/relations/relation_managers.h"
#include "tests/storage/filelayer/layer_fixture.h"
#include "tests/storage/filelayer/station_process.h"

namespace bv::test {
namespace {

constexpr int kLines = 3;
constexpr int kPerLine = 10;
constexpr int kFinished = kLines * kPerLine;
constexpr int kProductions = 2;  // per finished product
constexpr int kKills = 25;

QString lineName(int k) { return QStringLiteral("GRUPO %1").arg(k); }
QString finishedName(int i) { return QStringLiteral("GRUPO %1 #%2").arg(i / kPerLine + 1).arg(i, 2, 10, QChar(u'0')); }

struct Program {
  explicit Program(const QString& dir) : layer(makeTestLayer({dir, dir})), files(*layer, errors()), relations(files) {}
  static ErrorManager& errors() {
    static ErrorManager* e = [] {
      auto* m = new ErrorManager;
      m->loadTable(standardMessageBlock());
      m->setSilent(true);
      return m;
    }();
    return *e;
  }
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
  RelationManagers relations;
};

// Lines 1..3, ten finished products on each, one formula and two productions
// per finished product.
int fill(const QString& dir) {
  Program p(dir);
  const auto put = [&](const char* label, const Record& r) {
    FileManager& m = p.files[QString::fromLatin1(label)];
    m.open();
    if (m.use() != 0) return false;
    m.file().markForTransaction();
    return true;
  };
  for (const char* t : {"Linea", "Terminado", "Formula1", "Produc01", "Formula2", "Produc02"})
    if (!put(t, Record())) return 2;
  if (p.layer->beginTransaction(2) != kFileOk) return 3;
  bool ok = true;
  const auto add = [&](const char* label, const Record& r) { ok = p.files[QString::fromLatin1(label)].file().add(r) == kFileOk && ok; };
  for (int k = 1; k <= kLines; ++k) {
    Record r(p.files["Linea"].table());
    r.setDecimal("LIN:CODIGO", Decimal(k));
    r.setText("LIN:DESCRIPCION", lineName(k));
    add("Linea", r);
  }
  for (int i = 0; i < kFinished; ++i) {
    const QString code = QStringLiteral("T%1").arg(i, 2, 10, QChar(u'0'));
    Record t(p.files["Terminado"].table());
    t.setText("TER:CODIGO", code);
    t.setText("TER:DESCRIPCION", finishedName(i));
    t.setDecimal("TER:LINEA", Decimal(i / kPerLine + 1));
    t.setText("TER:SISTEMA", "M");
    add("Terminado", t);
    Record f(p.files["Formula1"].table());
    f.setDecimal("FOR1:CODIGO_FORMULA", Decimal(i + 1));
    f.setText("FOR1:CODIGO_TERMINADO", code);
    f.setText("FOR1:OBSERVACIONES", finishedName(i));
    f.setText("FOR1:MODIFICABLE", "S");
    add("Formula1", f);
    for (int j = 1; j <= kProductions; ++j) {
      Record o(p.files["Produc01"].table());
      o.setDecimal("PRO1:CODIGO", Decimal(i * 10 + j));
      o.setText("PRO1:CODIGO_TERMINADO", code);
      o.setText("PRO1:ESTADO", "P");
      add("Produc01", o);
    }
  }
  if (!ok || p.layer->commit() != kFileOk) return 4;
  return 0;
}

// Changes codes through the relation managers until killed.
int change(const QString& dir, unsigned seed) {
  Program p(dir);
  FileManager& lin = p.files["Linea"];
  FileManager& ter = p.files["Terminado"];
  if (p.relations["Linea"].open() != 0) return 2;
  std::mt19937 random(seed);
  for (;;) {
    if (random() % 3 == 0) {
      lin.buffer().setText("LIN:DESCRIPCION", lineName(int(random() % kLines) + 1));
      if (lin.fetch(lin.keyDef(u"LIN:KEYDES")) != 0) return 3;
      const Decimal code = lin.buffer().decimal("LIN:CODIGO");
      lin.buffer().setDecimal("LIN:CODIGO", code < Decimal(100) ? code + Decimal(100) : code - Decimal(100));
      if (p.relations["Linea"].update() != 0) return 4;
    } else {
      ter.buffer().setText("TER:DESCRIPCION", finishedName(int(random() % kFinished)));
      if (ter.fetch(ter.keyDef(u"TER:KEYDES")) != 0) return 5;
      QString code = ter.buffer().text("TER:CODIGO");
      code[0] = code[0] == u'T' ? u'X' : u'T';
      ter.buffer().setText("TER:CODIGO", code);
      if (p.relations["Terminado"].update() != 0) return 6;
    }
  }
}

// What the files hold, read through a layer of their own (closed afterwards, so
// that the next station is forked without a connection open here).
struct Holdings {
  std::map<QString, qint64> lineCodes;       // by description
  std::map<int, QString> finishedCodes;      // by index
  std::map<int, qint64> finishedLines;       // by index
  std::map<int, QString> formulaFinished;    // by index
  std::map<int, QString> productionFinished; // by production code
  int changedCodes = 0;
};

Holdings read(const QString& dir) {
  Holdings h;
  auto layer = makeTestLayer({dir, dir});
  const auto each = [&](const char* label, const std::function<void(const Record&)>& f) {
    auto file = layer->file(tableDef(label));
    EXPECT_EQ(file->open(kShareDenyNone & 0xF0, false, false), kFileOk) << label;
    Record r(file->table());
    file->setPosition(nullptr, FileEdge::Start);
    while (file->next(r) == kFileOk) f(r);
    file->close();
  };
  each("Linea", [&](const Record& r) { h.lineCodes[r.text("LIN:DESCRIPCION")] = r.decimal("LIN:CODIGO").toInteger(); });
  each("Terminado", [&](const Record& r) {
    const int i = r.text("TER:DESCRIPCION").right(2).toInt();
    h.finishedCodes[i] = r.text("TER:CODIGO");
    h.finishedLines[i] = r.decimal("TER:LINEA").toInteger();
    if (r.text("TER:CODIGO").startsWith(u'X')) ++h.changedCodes;
  });
  each("Formula1", [&](const Record& r) {
    h.formulaFinished[r.text("FOR1:OBSERVACIONES").right(2).toInt()] = r.text("FOR1:CODIGO_TERMINADO");
  });
  each("Produc01", [&](const Record& r) {
    h.productionFinished[int(r.decimal("PRO1:CODIGO").toInteger())] = r.text("PRO1:CODIGO_TERMINADO");
  });
  for (const auto& [name, code] : h.lineCodes)
    if (code > 100) ++h.changedCodes;
  return h;
}

void expectWhole(const QString& dir, int round) {
  SCOPED_TRACE(round);
  for (const char* label : {"Linea", "Terminado", "Formula1", "Produc01", "Formula2", "Produc02"})
    EXPECT_EQ(integrityOf(QDir(dir).filePath(tableDef(label).fileName)).toStdString(), "ok") << label;
  const Holdings h = read(dir);
  ASSERT_EQ(h.lineCodes.size(), std::size_t(kLines));
  ASSERT_EQ(h.finishedCodes.size(), std::size_t(kFinished));
  ASSERT_EQ(h.formulaFinished.size(), std::size_t(kFinished));
  ASSERT_EQ(h.productionFinished.size(), std::size_t(kFinished * kProductions));
  for (int i = 0; i < kFinished; ++i) {
    // A line's new code is in all of its finished products or in none.
    EXPECT_EQ(h.finishedLines.at(i), h.lineCodes.at(lineName(i / kPerLine + 1))) << i;
    // A finished product's new code is in its formula and productions, or in none.
    EXPECT_EQ(h.formulaFinished.at(i).toStdString(), h.finishedCodes.at(i).toStdString()) << i;
    for (int j = 1; j <= kProductions; ++j)
      EXPECT_EQ(h.productionFinished.at(i * 10 + j).toStdString(), h.finishedCodes.at(i).toStdString()) << i;
  }
}

TEST(CascadeKill, EveryCascadeIsWholeAfterAKillAtARandomPoint) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(waitStation(startStation([&] { return fill(dir); })), 0);
  std::mt19937 random(20240601);
  int changedSoFar = 0;
  for (int round = 0; round < kKills; ++round) {
    const pid_t pid = startStation([&, seed = unsigned(random())] { return change(dir, seed); });
    std::this_thread::sleep_for(std::chrono::milliseconds(60 + random() % 300));
    kill(pid, SIGKILL);
    // Killed, never ended on its own: an update that failed would have.
    EXPECT_EQ(waitStation(pid), -1) << "round " << round;
    expectWhole(dir, round);
    if (HasFailure()) break;
    changedSoFar = std::max(changedSoFar, read(dir).changedCodes);
  }
  // The stations did change codes between the kills.
  EXPECT_GT(changedSoFar, 0);
}

}  // namespace
}  // namespace bv::test
