// An input/output error at each write and sync of a transaction over three
// files: whatever the commit answers must be what the files hold afterwards.
#include <QTemporaryDir>

#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/faulty_vfs.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {
namespace {

const char* const kTables[] = {"Basicos", "Formula1", "Formula2"};

class CommitFaults : public testing::Test {
 protected:
  std::shared_ptr<FileLayer> layerOn(const QTemporaryDir& d) const {
    FileLayerOptions o;
    o.dataDirectory = d.path();
    o.busyTimeoutMs = 200;
    return FileLayer::createSqlite(o);
  }

  static Record recordWith(const char* table, const QString& text) {
    if (QString(table) == "Basicos") return basico(text);
    if (QString(table) == "Formula1") return formula1(1, text);
    return formula2(1, text);
  }
  static const char* textField(const char* table) {
    if (QString(table) == "Basicos") return "BAS:CODIGO";
    if (QString(table) == "Formula1") return "FOR1:CODIGO_TERMINADO";
    return "FOR2:CODIGO_BASICO";
  }

  // Three files with one record each holding "OLD".
  void prepare(const QTemporaryDir& d) const {
    auto layer = layerOn(d);
    for (const char* t : kTables) {
      auto f = layer->file(tableDef(t));
      ASSERT_EQ(f->open(kShareDenyNone, true), kFileOk);
      ASSERT_EQ(f->add(recordWith(t, "OLD")), kFileOk);
    }
  }

  // What each file holds, read by a fresh layer.
  QStringList contents(const QTemporaryDir& d) const {
    auto layer = layerOn(d);
    QStringList out;
    for (const char* t : kTables) {
      auto f = layer->file(tableDef(t));
      if (f->open(kShareDenyNone) != kFileOk) {
        out << "(unreadable)";
        continue;
      }
      const QStringList values = readAll(*f, nullptr, textField(t));
      out << values.join(",");
      EXPECT_EQ(integrityOf(f->path()), "ok") << t;
    }
    return out;
  }

  struct Told {
    int code = -1;
    RuntimeError warning;
  };

  // Changes "OLD" to "NEW" in the three files in one transaction and commits
  // with the disk failing at `point`.
  Told changeWithFault(const QTemporaryDir& d, FaultyVfs& vfs, int point) const {
    auto layer = layerOn(d);
    std::vector<std::unique_ptr<KeyedFile>> files;
    for (const char* t : kTables) {
      files.push_back(layer->file(tableDef(t)));
      EXPECT_EQ(files.back()->open(kShareDenyNone), kFileOk);
      EXPECT_EQ(files.back()->markForTransaction(), kFileOk);
    }
    EXPECT_EQ(layer->beginTransaction(1), kFileOk);
    for (std::size_t i = 0; i < files.size(); ++i) {
      Record r(tableDef(kTables[i]));
      files[i]->setPosition(nullptr, FileEdge::Start);
      EXPECT_EQ(files[i]->next(r), kFileOk);
      r.setText(textField(kTables[i]), "NEW");
      EXPECT_EQ(files[i]->put(r), kFileOk);
    }
    vfs.failAt(point);
    Told told;
    told.code = layer->commit();
    vfs.disarm();
    told.warning = layer->commitWarning();
    if (told.code != kFileOk) layer->rollback();
    return told;
  }
};

TEST_F(CommitFaults, WhatTheCommitTellsIsWhatTheFilesHold) {
  FaultyVfs vfs;
  const QStringList before{"OLD", "OLD", "OLD"};
  const QStringList after{"NEW", "NEW", "NEW"};
  int rolledBack = 0, committedWithWarning = 0;
  for (int point = 1;; ++point) {
    SCOPED_TRACE(point);
    ASSERT_LT(point, 200) << "the commit should need fewer writes and syncs";
    QTemporaryDir d;
    prepare(d);
    const Told told = changeWithFault(d, vfs, point);
    const bool struck = vfs.failed();
    const QStringList held = contents(d);
    if (told.code == kFileOk) {
      EXPECT_EQ(held, after);
      if (struck) {
        // Only a failure past the commit point lets a commit succeed; it is told.
        EXPECT_EQ(told.warning.code, kFileSystemError);
        ++committedWithWarning;
      } else {
        EXPECT_EQ(told.warning.code, 0);
      }
    } else {
      EXPECT_EQ(held, before);
      EXPECT_EQ(told.code, kFileSystemError);
      ++rolledBack;
    }
    if (!struck) break;  // every point of the commit has been failed once
  }
  EXPECT_GT(rolledBack, 0);
  EXPECT_GT(committedWithWarning, 0);
}

TEST_F(CommitFaults, ADirectorySyncFailingJustAfterTheCommitPointStillCommits) {
  FaultyVfs vfs;
  QTemporaryDir d;
  prepare(d);
  auto layer = layerOn(d);
  std::vector<std::unique_ptr<KeyedFile>> files;
  for (const char* t : kTables) {
    files.push_back(layer->file(tableDef(t)));
    ASSERT_EQ(files.back()->open(kShareDenyNone), kFileOk);
    ASSERT_EQ(files.back()->markForTransaction(), kFileOk);
  }
  ASSERT_EQ(layer->beginTransaction(1), kFileOk);
  for (std::size_t i = 0; i < files.size(); ++i) {
    Record r(tableDef(kTables[i]));
    files[i]->setPosition(nullptr, FileEdge::Start);
    ASSERT_EQ(files[i]->next(r), kFileOk);
    r.setText(textField(kTables[i]), "NEW");
    ASSERT_EQ(files[i]->put(r), kFileOk);
  }
  vfs.failSuperJournalDirectorySync();
  EXPECT_EQ(layer->commit(), kFileOk);
  EXPECT_TRUE(vfs.failed());
  EXPECT_EQ(layer->commitWarning().code, kFileSystemError);
  EXPECT_FALSE(layer->inTransaction());
  files.clear();
  layer.reset();
  EXPECT_EQ(contents(d), QStringList({"NEW", "NEW", "NEW"}));
}

}  // namespace
}  // namespace bv::test
