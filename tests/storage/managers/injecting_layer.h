#pragma once
// A file layer that passes every call to a real one, except the calls a test
// makes fail: for conditions a single process cannot bring about at will (a
// number taken by another station between search and add every time).
#include <functional>
#include <map>

#include "runtime/runtime_error.h"
#include "storage/filelayer/file_layer.h"

namespace bv::test {

// Per operation name ("add", "open", "next", ...), the codes the next calls
// answer instead of the real ones; a 0 passes the call through.
struct Injections {
  std::map<QString, std::vector<int>> codes;
  std::map<QString, int> calls;

  int take(const QString& op) {
    ++calls[op];
    auto it = codes.find(op);
    if (it == codes.end() || it->second.empty()) return 0;
    const int code = it->second.front();
    it->second.erase(it->second.begin());
    // A file-system failure carries the system's own text and code.
    if (code == kFileSystemError)
      setRuntimeError(code, fileCodeText(code), "28", "No queda espacio en el dispositivo");
    else if (code != 0)
      setRuntimeError(code, fileCodeText(code));
    return code;
  }
};

class InjectingFile : public KeyedFile {
 public:
  InjectingFile(std::unique_ptr<KeyedFile> inner, Injections& injections)
      : inner_(std::move(inner)), in_(injections) {}

  const TableDef& table() const override { return inner_->table(); }
  QString path() const override { return inner_->path(); }
  bool isOpen() const override { return inner_->isOpen(); }
  int shareCode() const override { return inner_->shareCode(); }
  bool isReadOnly() const override { return inner_->isReadOnly(); }
  int open(int share, bool createMissing, bool lock) override {
    return inject("open", [&] { return inner_->open(share, createMissing, lock); });
  }
  int close() override { return inner_->close(); }
  int create() override {
    return inject("create", [&] { return inner_->create(); });
  }
  int rebuildKeys() override {
    return inject("rebuildKeys", [&] { return inner_->rebuildKeys(); });
  }
  RebuildReport lastRebuild() const override { return inner_->lastRebuild(); }
  QString sendOption(const QString& option) override {
    in_.take("sendOption");
    return inner_->sendOption(option);
  }
  int get(const KeyDef& key, Record& record) override {
    return inject("get", [&] { return inner_->get(key, record); });
  }
  int setPosition(const KeyDef& key, const Record& values) override {
    return inner_->setPosition(key, values);
  }
  int setPosition(const KeyDef* key, FileEdge edge) override { return inner_->setPosition(key, edge); }
  int next(Record& record) override {
    return inject("next", [&] { return inner_->next(record); });
  }
  int previous(Record& record) override {
    return inject("previous", [&] { return inner_->previous(record); });
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
  int add(const Record& record, bool placeholder) override {
    return inject("add", [&] { return inner_->add(record, placeholder); });
  }
  int put(const Record& record) override {
    return inject("put", [&] { return inner_->put(record); });
  }
  int remove() override { return inner_->remove(); }
  int replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                 qint64& changed) override {
    return inner_->replaceAll(fields, match, replacement, changed);
  }
  const KeyDef* duplicateKey(const Record& record) override { return inner_->duplicateKey(record); }
  bool isDuplicate(const KeyDef& key, const Record& record) override {
    // An injected collision is one on the key asked about.
    if (injectedDuplicate) return key.autoNumber;
    return inner_->isDuplicate(key, record);
  }
  int markForTransaction() override { return inner_->markForTransaction(); }
  qint64 recordCount() override { return inner_->recordCount(); }
  qint64 fileSize() override { return inner_->fileSize(); }

  bool injectedDuplicate = true;

 private:
  template <typename Call>
  int inject(const char* op, Call call) {
    const int code = in_.take(op);
    return code != 0 ? code : call();
  }

  std::unique_ptr<KeyedFile> inner_;
  Injections& in_;
};

class InjectingLayer : public FileLayer {
 public:
  explicit InjectingLayer(std::shared_ptr<FileLayer> inner) : inner_(std::move(inner)) {}

  QString dataDirectory() const override { return inner_->dataDirectory(); }
  QString stationDirectory() const override { return inner_->stationDirectory(); }
  void setStationDirectory(const QString& directory) override { inner_->setStationDirectory(directory); }
  std::unique_ptr<KeyedFile> file(const TableDef& table) override {
    return std::make_unique<InjectingFile>(inner_->file(table), injections);
  }
  int beginTransaction(int waitSeconds) override { return inner_->beginTransaction(waitSeconds); }
  int commit() override { return inner_->commit(); }
  int rollback() override { return inner_->rollback(); }
  bool inTransaction() const override { return inner_->inTransaction(); }
  QString blockingFile() const override { return inner_->blockingFile(); }
  RuntimeError commitWarning() const override { return inner_->commitWarning(); }

  Injections injections;

 private:
  std::shared_ptr<FileLayer> inner_;
};

}  // namespace bv::test
