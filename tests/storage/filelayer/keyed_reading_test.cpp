// Reading in key order: duplicates, positioning, binary and case-insensitive
// comparison, positions, saved state, file names.
#include <QDir>
#include <QFile>

#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {
namespace {

using KeyedReading = LayerTest;

TEST_F(KeyedReading, DuplicatesOfAKeyKeepTheOrderTheyWereAddedIn) {
  auto f = open("Formula2");
  for (auto [code, basic] : std::vector<std::pair<int, const char*>>{{3, "B"}, {1, "A"}, {2, "B"}, {4, "A"}, {5, "B"}})
    ASSERT_EQ(f->add(formula2(code, basic)), kFileOk);
  const KeyDef& byBasic = keyDef("FOR2:KEYBAS");
  Record r(f->table());
  QStringList seen;
  f->setPosition(&byBasic, FileEdge::Start);
  while (f->next(r) == kFileOk) seen << r.text(2) + r.decimal(1).toQString();
  EXPECT_EQ(seen, (QStringList{"A1", "A4", "B3", "B2", "B5"}));
  EXPECT_EQ(currentRuntimeError().code, kRecordNotAvailable);
  // Backwards from the end: the exact reverse.
  seen.clear();
  f->setPosition(&byBasic, FileEdge::End);
  while (f->previous(r) == kFileOk) seen << r.text(2) + r.decimal(1).toQString();
  EXPECT_EQ(seen, (QStringList{"B5", "B2", "B3", "A4", "A1"}));
  // Position order without a key.
  EXPECT_EQ(readAll(*f, nullptr, "FOR2:CODIGO_BASICO"), (QStringList{"B", "A", "B", "A", "B"}));
}

TEST_F(KeyedReading, NextAndPreviousGoOnFromThePositionedKey) {
  auto f = open("Dolar");
  const KeyDef& byDate = keyDef("DOL:KEYFEC");
  for (int day : {10, 20, 30}) {
    Record d(f->table());
    d.setDate(1, Date(day));
    d.setDecimal(2, Decimal(day));
    ASSERT_EQ(f->add(d), kFileOk);
  }
  Record probe(f->table()), r(f->table());
  // Positioned on a value: next reads the first >=, previous the last <=.
  probe.setDate(1, Date(20));
  f->setPosition(byDate, probe);
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(20));  // the rate of the day itself wins
  probe.setDate(1, Date(25));
  f->setPosition(byDate, probe);
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(20));
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(10));
  EXPECT_EQ(f->previous(r), kRecordNotAvailable);
  f->setPosition(byDate, probe);
  ASSERT_EQ(f->next(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(30));
  EXPECT_EQ(f->next(r), kRecordNotAvailable);
  // After the end, previous reads the last record again.
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(30));
  // Get by key reads the exact value and the sequence goes on after it.
  probe.setDate(1, Date(10));
  ASSERT_EQ(f->get(byDate, probe), kFileOk);
  EXPECT_EQ(probe.decimal(2), Decimal(10));
  ASSERT_EQ(f->next(r), kFileOk);
  EXPECT_EQ(r.date(1), Date(20));
  probe.setDate(1, Date(11));
  EXPECT_EQ(f->get(byDate, probe), kRecordNotFound);
  EXPECT_EQ(currentRuntimeError().text, fileCodeText(kRecordNotFound));
}

TEST_F(KeyedReading, TextsCompareByCharacterCodeUnlessTheKeyIgnoresCase) {
  auto f = open("Basicos");
  for (const char* code : {"b", "Z", "\xC3\x81rbol", "a", "B"}) ASSERT_EQ(f->add(basico(QString::fromUtf8(code))), kFileOk);
  EXPECT_EQ(readAll(*f, &keyDef("BAS:KEYCOD"), "BAS:CODIGO"),
            (QStringList{"B", "Z", "a", "b", QString::fromUtf8("\xC3\x81rbol")}));
  f->close();

  // The same table with a description key that ignores case (none of the
  // dictionary's keys does): accented letters upper-case too.
  TableDef folded = tableDef("Basicos");
  folded.fileName = QStringLiteral("Folded.tps");
  for (KeyDef& k : folded.keys) k.ignoresCase = k.name == "KEYDES";
  const KeyDef& byDescription = *folded.key(u"BAS:KEYDES");
  auto g = layer->file(folded);
  ASSERT_EQ(g->open(kShareDenyNone, true), kFileOk);
  int n = 0;
  for (const char* d : {"\xC3\xA1rbol", "ARBOL", "Zeta", "\xC3\x81RBOL", "alba"}) {
    Record r(folded);
    r.setText(1, QString::number(++n));
    r.setText(2, QString::fromUtf8(d));
    ASSERT_EQ(g->add(r), kFileOk);
  }
  QStringList seen;
  Record r(folded);
  g->setPosition(&byDescription, FileEdge::Start);
  while (g->next(r) == kFileOk) seen << r.text(1);
  // ALBA, ARBOL, ZETA, ÁRBOL (twice, in position order).
  EXPECT_EQ(seen, (QStringList{"5", "2", "3", "1", "4"}));
  Record probe(folded);
  probe.setText(2, QString::fromUtf8("\xC3\xA1RBOL"));
  ASSERT_EQ(g->get(byDescription, probe), kFileOk);
  EXPECT_EQ(probe.text(1), "1");
}

TEST_F(KeyedReading, PositionsAreNeverReusedAndReadBack) {
  auto f = open("Formula2");
  ASSERT_EQ(f->add(formula2(1, "A")), kFileOk);
  ASSERT_EQ(f->add(formula2(2, "B")), kFileOk);
  const RecordPosition last = f->position();
  ASSERT_EQ(f->remove(), kFileOk);
  EXPECT_EQ(f->remove(), kRecordNotAvailable);  // nothing current any more
  f.reset();
  layer = makeLayer();  // another process start
  f = open("Formula2");
  ASSERT_EQ(f->add(formula2(3, "C")), kFileOk);
  const RecordPosition third = f->position();
  EXPECT_GT(third, last);
  Record r(f->table());
  EXPECT_EQ(f->reget(last, r), kRecordNotFound);
  ASSERT_EQ(f->reget(1, r), kFileOk);
  EXPECT_EQ(r.text(2), "A");
  // Reset to a position on a key: next reads that record, previous the one before.
  const KeyDef& byBasic = keyDef("FOR2:KEYBAS");
  ASSERT_EQ(f->resetTo(&byBasic, third), kFileOk);
  ASSERT_EQ(f->next(r), kFileOk);
  EXPECT_EQ(r.text(2), "C");
  ASSERT_EQ(f->resetTo(&byBasic, third), kFileOk);
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.text(2), "A");
  EXPECT_EQ(f->recordCount(), 2);
  EXPECT_GT(f->fileSize(), 0);
}

TEST_F(KeyedReading, ASavedStateBringsBackKeyPositionAndWatch) {
  auto f = open("Formula2");
  for (int i = 1; i <= 4; ++i) ASSERT_EQ(f->add(formula2(i, QString(QChar('A' + i)))), kFileOk);
  const KeyDef& byCode = keyDef("FOR2:KEYCOD");
  Record r(f->table());
  f->setPosition(&byCode, FileEdge::Start);
  f->next(r);
  f->next(r);  // at code 2
  f->setMemoSuppressed(true);
  const FileState saved = f->state();
  f->setMemoSuppressed(false);
  f->setPosition(nullptr, FileEdge::End);
  f->previous(r);
  ASSERT_EQ(f->restoreState(saved), kFileOk);
  EXPECT_TRUE(f->memoSuppressed());
  ASSERT_EQ(f->next(r), kFileOk);
  EXPECT_EQ(r.decimal(1), Decimal(3));
  // A state of another table is refused.
  auto other = open("Formula1");
  EXPECT_NE(other->restoreState(saved), kFileOk);
}

TEST_F(KeyedReading, FileNamesAreFoundInAnyLetterCase) {
  {
    auto f = open("Basicos");
    ASSERT_EQ(f->add(basico("X1")), kFileOk);
  }
  layer.reset();
  ASSERT_TRUE(QFile::rename(dir.filePath("Basicos.tps"), dir.filePath("BASICOS.TPS")));
  layer = makeLayer();
  auto f = layer->file(tableDef("Basicos"));
  EXPECT_EQ(f->path(), dir.filePath("BASICOS.TPS"));
  ASSERT_EQ(f->open(kShareDenyNone), kFileOk);
  EXPECT_EQ(f->recordCount(), 1);
  EXPECT_FALSE(QFile::exists(dir.filePath("Basicos.tps")));
  // An alias reads its base table's file.
  auto alias = open("A_Basicos");
  EXPECT_EQ(alias->path(), dir.filePath("BASICOS.TPS"));
  EXPECT_EQ(readAll(*alias, nullptr, "A_BAS:CODIGO"), QStringList{"X1"});
}

TEST_F(KeyedReading, MissingFilesAnswerNotFoundAndPerStationTablesLiveInTheStationFolder) {
  auto f = layer->file(tableDef("Formula1"));
  EXPECT_EQ(f->open(kShareDenyNone), kFileNotFound);
  EXPECT_EQ(f->create(), kFileOk);
  EXPECT_EQ(f->open(kShareDenyNone), kFileOk);
  EXPECT_EQ(f->open(kShareDenyNone), kFileAlreadyOpen);
  EXPECT_EQ(f->close(), kFileOk);
  Record r(f->table());
  EXPECT_EQ(f->next(r), kFileNotOpen);

  QTemporaryDir station;
  layer->setStationDirectory(station.path());
  auto labels = open("Etiquetas", kShareDenyWrite);
  EXPECT_EQ(QFileInfo(labels->path()).absolutePath(), QDir(station.path()).absolutePath());
  EXPECT_EQ(labels->sendOption("QUICKSCAN=on"), "on");
  EXPECT_EQ(labels->sendOption("Recover=10"), "10");
  EXPECT_EQ(labels->sendOption("QUICKSCAN"), "on");
}

}  // namespace
}  // namespace bv::test
