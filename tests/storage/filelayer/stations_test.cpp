// Several processes on one data directory: share codes, concurrent inserts, and
// a station killed in the middle of its transactions.
#include <csignal>
#include <random>

#include <QElapsedTimer>

#include "tests/storage/filelayer/layer_fixture.h"
#include "tests/storage/filelayer/station_process.h"

namespace bv::test {
namespace {

class Stations : public LayerTest {
 protected:
  // Makes the files the stations use, then leaves no connection open.
  void prepare(std::initializer_list<const char*> labels) {
    for (const char* l : labels) open(l);
    layer.reset();
  }
};

TEST_F(Stations, ShareCodeDenyWriteMakesATableReadOnlyForOtherProcesses) {
  prepare({"Planilla"});
  Signal opened, release, reopened, finish;
  const pid_t child = startStation([&] {
    auto l = makeLayer();
    auto f = l->file(tableDef("Planilla"));
    if (f->open(kShareDenyWrite) != kFileOk) return 1;
    opened.raise();
    release.await();
    f->close();
    if (f->open(kShareDenyNone) != kFileOk) return 2;
    reopened.raise();
    finish.await();
    return 0;
  });
  ASSERT_TRUE(opened.await());
  layer = makeLayer();
  auto f = layer->file(tableDef("Planilla"));
  EXPECT_EQ(f->open(kShareDenyNone), kFileAccessDenied);
  EXPECT_EQ(f->open(kShareDenyWrite), kFileAccessDenied);
  // The managers fall back to read-only: it reads, and it may not write.
  ASSERT_EQ(f->open(kShareDenyNone & 0xf0), kFileOk);
  EXPECT_EQ(f->recordCount(), 0);
  EXPECT_EQ(f->add(Record(f->table())), kFileAccessDenied);
  f->close();
  release.raise();
  ASSERT_TRUE(reopened.await());
  // Now shared by the other process: ours may share it, not deny it.
  EXPECT_EQ(f->open(kShareDenyWrite), kFileAccessDenied);
  EXPECT_EQ(f->open(kShareDenyNone), kFileOk);
  EXPECT_EQ(f->add(Record(f->table())), kFileOk);
  finish.raise();
  EXPECT_EQ(waitStation(child), 0);
}

TEST_F(Stations, ConcurrentInsertsFromTwoProcessesLoseNothing) {
  prepare({"Compra2"});
  constexpr int kEach = 80;
  auto station = [&](int id) {
    return startStation([&, id] {
      FileLayerOptions o;
      o.dataDirectory = dir.path();
      o.busyTimeoutMs = 10000;
      auto l = makeTestLayer(o);
      auto f = l->file(tableDef("Compra2"));
      if (f->open(kShareDenyNone) != kFileOk) return 1;
      for (int i = 0; i < kEach; ++i) {
        Record r(f->table());
        r.setText("COM2:TIPO_DE_COMPROBANTE", QString::number(id));
        r.setDecimal("COM2:COMPROBANTE", Decimal(i));
        if (f->add(r) != kFileOk) return 2;
      }
      return 0;
    });
  };
  const pid_t a = station(1), b = station(2);
  EXPECT_EQ(waitStation(a), 0);
  EXPECT_EQ(waitStation(b), 0);
  layer = makeLayer();
  auto f = open("Compra2");
  EXPECT_EQ(f->recordCount(), 2 * kEach);
  // Every record once, in key order.
  Record r(f->table());
  f->setPosition(&keyDef("COM2:KEYTICO"), FileEdge::Start);
  for (int id = 1; id <= 2; ++id)
    for (int i = 0; i < kEach; ++i) {
      ASSERT_EQ(f->next(r), kFileOk);
      EXPECT_EQ(r.text(1), QString::number(id));
      EXPECT_EQ(r.decimal(2), Decimal(i));
    }
}

// A station writes a formula header, its lines and a counter in one transaction,
// over and over, and is killed at random points; every file must stay whole and
// hold each transaction entirely or not at all.
TEST_F(Stations, AStationKilledAtRandomLeavesEveryTransactionWholeOrAbsent) {
  prepare({"Formula1", "Formula2", "Versiones"});
  {
    layer = makeLayer();
    auto v = open("Versiones");
    ASSERT_EQ(v->add(Record(v->table())), kFileOk);
    layer.reset();
  }
  constexpr int kLines = 4;
  auto writer = [&] {
    auto l = makeLayer();
    auto header = l->file(tableDef("Formula1"));
    auto lines = l->file(tableDef("Formula2"));
    auto counter = l->file(tableDef("Versiones"));
    if (header->open(kShareDenyNone) || lines->open(kShareDenyNone) || counter->open(kShareDenyNone)) return 1;
    Record count(counter->table());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
      counter->setPosition(nullptr, FileEdge::Start);
      if (counter->next(count) != kFileOk) continue;
      const int n = static_cast<int>(count.decimal(1).toInteger()) + 1;
      header->markForTransaction();
      lines->markForTransaction();
      counter->markForTransaction();
      if (l->beginTransaction(2) != kFileOk) continue;
      int failed = header->add(formula1(n, QString("T%1").arg(n)));
      for (int i = 0; i < kLines && !failed; ++i) failed = lines->add(formula2(n, QString(QChar('A' + i))));
      count.setDecimal(1, Decimal(n));
      if (!failed) failed = counter->put(count);
      if (failed || l->commit() != kFileOk) l->rollback();
    }
    return 0;
  };
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> delayMs(5, 120);
  for (int round = 0; round < 36; ++round) {
    const pid_t child = startStation(writer);
    usleep(delayMs(random) * 1000);
    kill(child, SIGKILL);
    waitStation(child);
  }

  layer = makeLayer();
  auto header = open("Formula1"), lines = open("Formula2"), counter = open("Versiones");
  for (auto* f : {header.get(), lines.get(), counter.get()}) EXPECT_EQ(integrityOf(f->path()), "ok");
  Record count(counter->table());
  counter->setPosition(nullptr, FileEdge::Start);
  ASSERT_EQ(counter->next(count), kFileOk);
  const int n = static_cast<int>(count.decimal(1).toInteger());
  EXPECT_GT(n, 0);
  EXPECT_EQ(header->recordCount(), n);
  EXPECT_EQ(lines->recordCount(), n * kLines);
  Record h(header->table()), line(lines->table());
  header->setPosition(&keyDef("FOR1:KEYCOD"), FileEdge::Start);
  for (int code = 1; code <= n; ++code) {
    ASSERT_EQ(header->next(h), kFileOk);
    EXPECT_EQ(h.decimal(1), Decimal(code));
    line.setDecimal(1, Decimal(code));
    int found = 0;
    lines->setPosition(keyDef("FOR2:KEYCOD"), line);
    while (lines->next(line) == kFileOk && line.decimal(1) == Decimal(code)) ++found;
    EXPECT_EQ(found, kLines) << "formula " << code;
  }
}

}  // namespace
}  // namespace bv::test
