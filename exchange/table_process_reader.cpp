#include "exchange/table_process_reader.h"

#include <algorithm>

#include "storage/managers/file_manager.h"

namespace bv {
namespace {

constexpr int kRecordRead = 0;
constexpr int kViewEnded = 5;
constexpr int kReadFailed = 3;

}  // namespace

TableProcessReader::TableProcessReader(FileManager& table, const KeyDef* order, ContextId context)
    : table_(table), order_(order), context_(context) {}

TableProcessReader::~TableProcessReader() { close(); }

void TableProcessReader::reset() {
  const ContextGuard guard(context_);
  if (!opened_ && !failed_) {
    if (table_.open() == kLevelBenign)
      opened_ = true;
    else
      failed_ = true;
  }
  if (opened_ && table_.setPosition(order_, FileEdge::Start) != kLevelBenign) table_.raiseStored();
}

int TableProcessReader::next() {
  const ContextGuard guard(context_);
  if (!opened_) return kReadFailed;
  const int level = table_.tryNext();
  if (level == kLevelBenign) return kRecordRead;
  if (table_.endOfFile()) return kViewEnded;
  table_.raiseStored();
  return kReadFailed;
}

qint64 TableProcessReader::recordCount() const {
  const ContextGuard guard(context_);
  if (!opened_) return 0;
  return std::max<qint64>(0, table_.file().recordCount());
}

qint64 TableProcessReader::fileSize() const {
  const ContextGuard guard(context_);
  if (!opened_) return 0;
  return std::max<qint64>(0, table_.file().fileSize());
}

qint64 TableProcessReader::recordSize() const { return table_.table().recordLength(); }

void TableProcessReader::close() {
  if (!opened_) return;
  const ContextGuard guard(context_);
  table_.close();
  opened_ = false;
}

}  // namespace bv
