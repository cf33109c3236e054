// Eight stations at once for a while: each takes new formula numbers through
// the placeholder protocol and adds the formula, and changes one shared counter
// record watched for changes. Numbers must come out distinct, every change that
// answered 0 must be in the counter (the losers get 89), and nothing is lost.
#include <QElapsedTimer>
#include <QFile>

#include <iostream>
#include <set>

#include "tests/storage/filelayer/layer_fixture.h"
#include "tests/storage/filelayer/station_process.h"

namespace bv::test {

using namespace Qt::StringLiterals;
namespace {

constexpr int kStations = 8;
constexpr int kMilliseconds = 3000;

struct Tally {
  qint64 added = 0;     // formulas added
  qint64 changed = 0;   // counter changes that answered 0
  qint64 lost = 0;      // counter changes that answered 89
  qint64 failures = 0;  // any other answer
};

class StationLoad : public LayerTest {
 protected:
  // One station's work; its numbers go to `numbersFile`, its tally to `tallyFile`.
  int station(RecordPosition counterAt, const QString& numbersFile, const QString& tallyFile) {
    auto l = makeLayer(5000);
    auto formulas = l->file(tableDef("Formula1"));
    auto counter = l->file(tableDef("Versiones"));
    if (formulas->open(kShareDenyNone) != kFileOk || counter->open(kShareDenyNone) != kFileOk) return 1;
    const KeyDef& byCode = keyDef("FOR1:KEYCOD");
    Tally tally;
    QStringList numbers;
    Record r(formulas->table()), count(counter->table());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kMilliseconds) {
      // The next number: the last one, placeholders included, plus one; a
      // number taken meanwhile by another station is tried again.
      formulas->setPlaceholderSearch(true);
      formulas->setPosition(&byCode, FileEdge::End);
      const int last = formulas->previous(r);
      formulas->setPlaceholderSearch(false);
      const int n = last == kFileOk ? static_cast<int>(r.decimal(1).toInteger()) + 1 : 1;
      const int reserved = formulas->add(formula1(n, {}), true);
      if (reserved == kDuplicateKey) continue;
      if (reserved != kFileOk || formulas->put(formula1(n, u"T%1"_s.arg(n))) != kFileOk) {
        ++tally.failures;
        continue;
      }
      ++tally.added;
      numbers << QString::number(n);

      counter->watch();
      if (counter->reget(counterAt, count) != kFileOk) {
        ++tally.failures;
        continue;
      }
      count.setDecimal(1, count.decimal(1) + Decimal(1));
      const int put = counter->put(count);
      if (put == kFileOk) ++tally.changed;
      else if (put == kRecordChanged) ++tally.lost;
      else ++tally.failures;
    }
    QFile out(numbersFile);
    if (!out.open(QIODevice::WriteOnly)) return 1;
    out.write(numbers.join(u'\n').toUtf8());
    QFile t(tallyFile);
    if (!t.open(QIODevice::WriteOnly)) return 1;
    t.write(u"%1 %2 %3 %4"_s.arg(tally.added).arg(tally.changed).arg(tally.lost).arg(tally.failures).toUtf8());
    return 0;
  }
};

TEST_F(StationLoad, EightStationsGetDistinctNumbersAndLoseNoChange) {
  RecordPosition counterAt = 0;
  {
    auto v = open("Versiones");
    ASSERT_EQ(v->add(Record(v->table())), kFileOk);
    counterAt = v->position();
    open("Formula1");
  }
  layer.reset();  // no connection crosses the fork
  std::vector<pid_t> children;
  for (int i = 0; i < kStations; ++i) {
    const QString numbers = dir.filePath(u"numbers%1"_s.arg(i));
    const QString tally = dir.filePath(u"tally%1"_s.arg(i));
    children.push_back(startStation([=, this] { return station(counterAt, numbers, tally); }));
  }
  for (pid_t c : children) EXPECT_EQ(waitStation(c), 0);

  Tally total;
  std::set<int> numbers;
  qint64 numbered = 0;
  for (int i = 0; i < kStations; ++i) {
    QFile t(dir.filePath(u"tally%1"_s.arg(i)));
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    const QStringList parts = QString::fromUtf8(t.readAll()).split(u' ');
    ASSERT_EQ(parts.size(), 4);
    total.added += parts[0].toLongLong();
    total.changed += parts[1].toLongLong();
    total.lost += parts[2].toLongLong();
    total.failures += parts[3].toLongLong();
    QFile n(dir.filePath(u"numbers%1"_s.arg(i)));
    ASSERT_TRUE(n.open(QIODevice::ReadOnly));
    for (const QString& line : QString::fromUtf8(n.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
      numbers.insert(line.toInt());
      ++numbered;
    }
  }
  EXPECT_EQ(static_cast<qint64>(numbers.size()), numbered) << "a number was handed out twice";
  EXPECT_EQ(total.failures, 0);
  EXPECT_GT(total.added, 0);

  layer = makeLayer();
  auto formulas = open("Formula1");
  auto counter = open("Versiones");
  EXPECT_EQ(formulas->recordCount(), total.added);
  Record count(counter->table());
  ASSERT_EQ(counter->reget(counterAt, count), kFileOk);
  EXPECT_EQ(count.decimal(1), Decimal(total.changed)) << "a change that answered 0 was lost";
  std::cout << "  " << kStations << " stations, " << kMilliseconds << " ms: " << total.added << " formulas, "
            << total.changed << " counter changes, " << total.lost << " answered 89\n";
}

}  // namespace
}  // namespace bv::test
