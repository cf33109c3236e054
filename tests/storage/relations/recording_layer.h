#pragma once
// A file layer over a real one that records which tables are marked for a
// transaction, and answers chosen codes instead of the real ones for marking,
// starting a transaction and deleting.
#include <QCursor>
#include <QGuiApplication>
#include <QStringList>
#include <map>

#include "runtime/runtime_error.h"
#include "storage/filelayer/file_layer.h"

namespace bv::test {

struct Recorded {
  QStringList marked;                      // table labels, in the order marked
  std::map<QString, int> markCodes;        // table label -> code its mark answers
  std::map<QString, int> removeCodes;      // table label -> code its deletes answer
  std::map<QString, int> readCodes;        // table label -> code its reads in sequence answer
  std::map<QString, int> puts;             // table label -> records written one by one
  std::map<QString, int> replaceAlls;      // table label -> changes of all linked records at once
  int beginCode = 0;
  int commitCode = 0;
  bool busyWhileRemoving = false;          // the busy cursor was up during a delete

  static int fail(int code) {
    setRuntimeError(code, fileCodeText(code));
    return code;
  }
};

class RecordingFile : public KeyedFile {
 public:
  RecordingFile(std::unique_ptr<KeyedFile> inner, Recorded& recorded) : inner_(std::move(inner)), r_(recorded) {}

  const TableDef& table() const override { return inner_->table(); }
  QString path() const override { return inner_->path(); }
  bool isOpen() const override { return inner_->isOpen(); }
  int shareCode() const override { return inner_->shareCode(); }
  bool isReadOnly() const override { return inner_->isReadOnly(); }
  int open(int share, bool createMissing, bool lock) override { return inner_->open(share, createMissing, lock); }
  int close() override { return inner_->close(); }
  int create() override { return inner_->create(); }
  int rebuildKeys() override { return inner_->rebuildKeys(); }
  RebuildReport lastRebuild() const override { return inner_->lastRebuild(); }
  QString sendOption(const QString& option) override { return inner_->sendOption(option); }
  int get(const KeyDef& key, Record& record) override { return inner_->get(key, record); }
  int setPosition(const KeyDef& key, const Record& values) override { return inner_->setPosition(key, values); }
  int setPosition(const KeyDef* key, FileEdge edge) override { return inner_->setPosition(key, edge); }
  int next(Record& record) override {
    if (const auto it = r_.readCodes.find(table().label); it != r_.readCodes.end()) return Recorded::fail(it->second);
    return inner_->next(record);
  }
  int previous(Record& record) override {
    if (const auto it = r_.readCodes.find(table().label); it != r_.readCodes.end()) return Recorded::fail(it->second);
    return inner_->previous(record);
  }
  RecordPosition position() const override { return inner_->position(); }
  int reget(RecordPosition position, Record& record) override { return inner_->reget(position, record); }
  int resetTo(const KeyDef* key, RecordPosition position) override { return inner_->resetTo(key, position); }
  void watch() override { inner_->watch(); }
  bool isPlaceholder() const override { return inner_->isPlaceholder(); }
  void setPlaceholderSearch(bool on) override { inner_->setPlaceholderSearch(on); }
  void setMemoSuppressed(bool on) override { inner_->setMemoSuppressed(on); }
  bool memoSuppressed() const override { return inner_->memoSuppressed(); }
  FileState state() const override { return inner_->state(); }
  int restoreState(const FileState& state) override { return inner_->restoreState(state); }
  int add(const Record& record, bool placeholder) override { return inner_->add(record, placeholder); }
  int put(const Record& record) override {
    ++r_.puts[table().label];
    return inner_->put(record);
  }
  int replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                 qint64& changed) override {
    ++r_.replaceAlls[table().label];
    return inner_->replaceAll(fields, match, replacement, changed);
  }
  int remove() override {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (cursor && cursor->shape() == Qt::BusyCursor) r_.busyWhileRemoving = true;
    if (const auto it = r_.removeCodes.find(table().label); it != r_.removeCodes.end()) return Recorded::fail(it->second);
    return inner_->remove();
  }
  const KeyDef* duplicateKey(const Record& record) override { return inner_->duplicateKey(record); }
  bool isDuplicate(const KeyDef& key, const Record& record) override { return inner_->isDuplicate(key, record); }
  int markForTransaction() override {
    if (const auto it = r_.markCodes.find(table().label); it != r_.markCodes.end()) return Recorded::fail(it->second);
    const int code = inner_->markForTransaction();
    if (code == kFileOk) r_.marked << table().label;
    return code;
  }
  qint64 recordCount() override { return inner_->recordCount(); }
  qint64 fileSize() override { return inner_->fileSize(); }

 private:
  std::unique_ptr<KeyedFile> inner_;
  Recorded& r_;
};

class RecordingLayer : public FileLayer {
 public:
  explicit RecordingLayer(std::shared_ptr<FileLayer> inner) : inner_(std::move(inner)) {}

  QString dataDirectory() const override { return inner_->dataDirectory(); }
  QString stationDirectory() const override { return inner_->stationDirectory(); }
  void setStationDirectory(const QString& directory) override { inner_->setStationDirectory(directory); }
  std::unique_ptr<KeyedFile> file(const TableDef& table) override {
    return std::make_unique<RecordingFile>(inner_->file(table), recorded);
  }
  int beginTransaction(int waitSeconds) override {
    ++begins;
    if (recorded.beginCode != 0) return Recorded::fail(recorded.beginCode);
    return inner_->beginTransaction(waitSeconds);
  }
  int commit() override {
    if (recorded.commitCode != 0) return Recorded::fail(recorded.commitCode);
    return inner_->commit();
  }
  int rollback() override {
    ++rollbacks;
    return inner_->rollback();
  }
  bool inTransaction() const override { return inner_->inTransaction(); }
  QString blockingFile() const override { return inner_->blockingFile(); }
  RuntimeError commitWarning() const override { return inner_->commitWarning(); }

  Recorded recorded;
  int begins = 0;
  int rollbacks = 0;

 private:
  std::shared_ptr<FileLayer> inner_;
};

}  // namespace bv::test
