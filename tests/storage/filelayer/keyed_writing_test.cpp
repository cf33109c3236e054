// Writing: unique keys, blank exclusion, placeholders, change detection,
// read-only handles, transactions and more files than SQLite attaches at once.
#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {
namespace {

using KeyedWriting = LayerTest;

TEST_F(KeyedWriting, UniqueKeysRefuseDuplicatesAndBlankExcludingKeysIgnoreBlanks) {
  auto f = open("Basicos");
  ASSERT_EQ(f->add(basico("A", "uno", "C1")), kFileOk);
  ASSERT_EQ(f->add(basico("B", "uno", "")), kFileOk);
  ASSERT_EQ(f->add(basico("C", "dos", "")), kFileOk);  // many blank columns are fine
  EXPECT_EQ(f->add(basico("A", "otro")), kDuplicateKey);
  EXPECT_EQ(currentRuntimeError().code, kDuplicateKey);
  EXPECT_EQ(f->add(basico("D", "", "C1")), kDuplicateKey);
  Record probe = basico("Z", "", "C1");
  EXPECT_EQ(f->duplicateKey(probe), &keyDef("BAS:KEYCOLUMNA"));
  EXPECT_EQ(f->duplicateKey(basico("A")), &keyDef("BAS:KEYCOD"));
  EXPECT_EQ(f->duplicateKey(basico("Q")), nullptr);
  // Blank columns are not in the key at all.
  EXPECT_EQ(readAll(*f, &keyDef("BAS:KEYCOLUMNA"), "BAS:CODIGO"), QStringList{"A"});
  Record blank = basico("", "", "");
  EXPECT_EQ(f->get(keyDef("BAS:KEYCOLUMNA"), blank), kRecordNotFound);

  // Put: a change onto another record's key is refused, the record itself is not
  // its own duplicate.
  Record r(f->table());
  ASSERT_EQ(f->get(keyDef("BAS:KEYCOD"), probe = basico("B")), kFileOk);
  EXPECT_FALSE(f->isDuplicate(keyDef("BAS:KEYCOD"), probe));
  probe.setText("BAS:CODIGO", "A");
  EXPECT_EQ(f->put(probe), kDuplicateKey);
  probe.setText("BAS:CODIGO", "B2");
  EXPECT_EQ(f->put(probe), kFileOk);
  EXPECT_EQ(readAll(*f, &keyDef("BAS:KEYCOD"), "BAS:CODIGO"), (QStringList{"A", "B2", "C"}));
}

TEST_F(KeyedWriting, PlaceholdersAreInvisibleButHoldTheirNumber) {
  auto f = open("Formula1");
  ASSERT_EQ(f->add(formula1(1, "T1")), kFileOk);
  // Two stations preparing new formulas: both blank finished products.
  ASSERT_EQ(f->add(formula1(2, ""), true), kFileOk);
  const RecordPosition second = f->position();
  EXPECT_TRUE(f->isPlaceholder());
  ASSERT_EQ(f->add(formula1(3, ""), true), kFileOk);
  EXPECT_EQ(f->add(formula1(3, "T9"), true), kDuplicateKey);  // the number is taken
  EXPECT_EQ(f->recordCount(), 1);
  EXPECT_EQ(readAll(*f, nullptr, "FOR1:CODIGO_TERMINADO"), QStringList{"T1"});
  const KeyDef& byCode = keyDef("FOR1:KEYCOD");
  EXPECT_EQ(readAll(*f, &byCode, "FOR1:CODIGO_TERMINADO"), QStringList{"T1"});
  EXPECT_EQ(f->duplicateKey(formula1(9, "")), nullptr);
  EXPECT_EQ(f->duplicateKey(formula1(3, "T5")), &byCode);

  // The auto-number search sees the reserved numbers as the last ones.
  Record r(f->table());
  f->setPlaceholderSearch(true);
  f->setPosition(&byCode, FileEdge::End);
  ASSERT_EQ(f->previous(r), kFileOk);
  EXPECT_EQ(r.decimal(1), Decimal(3));
  f->setPlaceholderSearch(false);

  // Putting the finished record over a placeholder makes it an ordinary one, now
  // under every unique key.
  ASSERT_EQ(f->reget(second, r), kFileOk);
  EXPECT_TRUE(f->isPlaceholder());
  r.setText("FOR1:CODIGO_TERMINADO", "T1");
  EXPECT_EQ(f->put(r), kDuplicateKey);
  r.setText("FOR1:CODIGO_TERMINADO", "T2");
  ASSERT_EQ(f->put(r), kFileOk);
  EXPECT_FALSE(f->isPlaceholder());
  EXPECT_EQ(readAll(*f, &keyDef("FOR1:KEYTER"), "FOR1:CODIGO_TERMINADO"), (QStringList{"T1", "T2"}));
}

TEST_F(KeyedWriting, AWatchedRecordChangedByAnotherStationIsNotOverwritten) {
  auto mine = open("Basicos");
  ASSERT_EQ(mine->add(basico("A", "original")), kFileOk);
  auto otherLayer = makeLayer();
  auto theirs = open("Basicos", kShareDenyNone, otherLayer.get());

  Record r = basico("A"), s = basico("A");
  mine->watch();
  ASSERT_EQ(mine->get(keyDef("BAS:KEYCOD"), r), kFileOk);
  ASSERT_EQ(theirs->get(keyDef("BAS:KEYCOD"), s), kFileOk);
  s.setText(2, "theirs");
  ASSERT_EQ(theirs->put(s), kFileOk);
  r.setText(2, "mine");
  EXPECT_EQ(mine->put(r), kRecordChanged);
  // Read for change again: now the write goes through.
  mine->watch();
  ASSERT_EQ(mine->reget(mine->position(), r), kFileOk);
  EXPECT_EQ(r.text(2), "theirs");
  r.setText(2, "mine");
  EXPECT_EQ(mine->put(r), kFileOk);
  // A record deleted meanwhile is a change as well.
  mine->watch();
  ASSERT_EQ(mine->reget(mine->position(), r), kFileOk);
  ASSERT_EQ(theirs->get(keyDef("BAS:KEYCOD"), s), kFileOk);
  ASSERT_EQ(theirs->remove(), kFileOk);
  EXPECT_EQ(mine->put(r), kRecordChanged);
}

TEST_F(KeyedWriting, MemoSuppressionKeepsTheStoredMemo) {
  auto f = open("Basicos");
  Record r = basico("A");
  r.setMemo("ficha");
  ASSERT_EQ(f->add(r), kFileOk);
  Record read(f->table());
  read.setMemo("buffer");
  f->setMemoSuppressed(true);
  ASSERT_EQ(f->reget(f->position(), read), kFileOk);
  EXPECT_EQ(read.memo(), "buffer");
  read.setText(2, "cambiada");
  ASSERT_EQ(f->put(read), kFileOk);
  f->setMemoSuppressed(false);
  ASSERT_EQ(f->reget(f->position(), read), kFileOk);
  EXPECT_EQ(read.memo(), "ficha");
  EXPECT_EQ(read.text(2), "cambiada");
}

TEST_F(KeyedWriting, AReadOnlyHandleReadsButNeverWrites) {
  { open("Basicos")->add(basico("A")); }
  auto f = layer->file(tableDef("Basicos"));
  ASSERT_EQ(f->open(kShareDenyNone & 0xf0), kFileOk);
  EXPECT_TRUE(f->isReadOnly());
  EXPECT_EQ(readAll(*f, nullptr, "BAS:CODIGO"), QStringList{"A"});
  EXPECT_EQ(f->add(basico("B")), kFileAccessDenied);
  EXPECT_EQ(f->markForTransaction(), kFileAccessDenied);
  Record r = basico("A");
  ASSERT_EQ(f->get(keyDef("BAS:KEYCOD"), r), kFileOk);
  EXPECT_EQ(f->put(r), kFileAccessDenied);
  EXPECT_EQ(f->remove(), kFileAccessDenied);
}

TEST_F(KeyedWriting, ATransactionCommitsOrRollsBackEveryMarkedFile) {
  auto header = open("Formula1");
  auto lines = open("Formula2");
  auto write = [&](int code) {
    EXPECT_EQ(header->markForTransaction(), kFileOk);
    EXPECT_EQ(lines->markForTransaction(), kFileOk);
    EXPECT_EQ(layer->beginTransaction(2), kFileOk);
    EXPECT_EQ(layer->beginTransaction(2), kTransactionActive);
    EXPECT_EQ(header->add(formula1(code, QString("T%1").arg(code))), kFileOk);
    EXPECT_EQ(lines->add(formula2(code, "A")), kFileOk);
    EXPECT_EQ(lines->add(formula2(code, "B")), kFileOk);
  };
  write(1);
  EXPECT_EQ(layer->rollback(), kFileOk);
  EXPECT_FALSE(layer->inTransaction());
  EXPECT_EQ(header->recordCount(), 0);
  EXPECT_EQ(lines->recordCount(), 0);
  write(2);
  EXPECT_EQ(layer->commit(), kFileOk);
  EXPECT_EQ(header->recordCount(), 1);
  EXPECT_EQ(lines->recordCount(), 2);

  // Another station's transaction holds the files: ours waits, then gives up.
  auto other = makeLayer();
  auto theirs = open("Formula2", kShareDenyNone, other.get());
  ASSERT_EQ(theirs->markForTransaction(), kFileOk);
  ASSERT_EQ(other->beginTransaction(1), kFileOk);
  ASSERT_EQ(lines->markForTransaction(), kFileOk);
  EXPECT_EQ(layer->beginTransaction(1), kFileAccessDenied);
  EXPECT_FALSE(layer->inTransaction());
  EXPECT_EQ(lines->add(formula2(9, "Z")), kFileAccessDenied);  // a write outside waits too
  Record r(lines->table());
  EXPECT_EQ(lines->next(r), kFileOk);  // reads are not held up by a transaction in progress
  EXPECT_EQ(other->rollback(), kFileOk);
}

// A record whose every field holds a value of its own for `n`.
Record numbered(const TableDef& t, int n) {
  Record r(t);
  for (const FieldDef& f : t.fields) {
    if (f.type == FieldType::String) r.setText(f, QString::number(n));
    if (f.type == FieldType::Decimal) r.setDecimal(f, Decimal(n));
    if (f.type == FieldType::Date) r.setDate(f, Date(n));
  }
  return r;
}

TEST_F(KeyedWriting, MoreOpenFilesThanSQLiteAttachesAtOnceAllWork) {
  std::vector<std::unique_ptr<KeyedFile>> files;
  for (const TableDef* t : Dictionary::instance().tables())
    if (!t->isAlias() && !t->perStation) files.push_back(open(t->label.toUtf8().constData()));
  ASSERT_GT(files.size(), 12u);
  for (int round = 0; round < 2; ++round)
    for (auto& f : files) {
      ASSERT_EQ(f->add(numbered(f->table(), round + 1)), kFileOk) << f->table().label.toStdString();
      ASSERT_EQ(f->recordCount(), round + 1);
    }
  // A transaction holds as many files as can be attached together.
  int marked = 0;
  for (auto& f : files)
    if (f->markForTransaction() == kFileOk) ++marked;
  EXPECT_EQ(marked, 10);
  EXPECT_EQ(currentRuntimeError().code, kTransactionNotSupported);
  ASSERT_EQ(layer->beginTransaction(1), kFileOk);
  for (int i = 0; i < marked; ++i) ASSERT_EQ(files[i]->add(numbered(files[i]->table(), 3)), kFileOk);
  ASSERT_EQ(layer->commit(), kFileOk);
  EXPECT_EQ(files[0]->recordCount(), 3);
}

}  // namespace
}  // namespace bv::test
