#include "storage/filelayer/table_copy.h"

#include "storage/dictionary/dictionary.h"

namespace bv {

std::vector<const TableDef*> TableCopy::dataTables() {
  std::vector<const TableDef*> out;
  for (const TableDef* t : Dictionary::instance().tables())
    if (!t->isAlias() && !t->perStation) out.push_back(t);
  return out;
}

int TableCopy::findOccupied(const TableDef*& occupied) {
  occupied = nullptr;
  for (const TableDef* t : dataTables()) {
    auto target = to_.file(*t);
    const int code = target->open(0x40, false, false);
    if (code == kFileNotFound) continue;
    if (code != kFileOk) return code;
    const qint64 count = target->recordCount();
    if (count < 0) return currentRuntimeError().code;
    if (count > 0) {
      occupied = t;
      return kFileOk;
    }
  }
  return kFileOk;
}

int TableCopy::copy(const TableDef& table, qint64& copied) {
  copied = 0;
  auto source = from_.file(table);
  auto target = to_.file(table);
  int code = source->open(0x40, false, false);
  const bool missing = code == kFileNotFound;
  if (code != kFileOk && !missing) return code;
  // Denying other stations writes while the table is filled.
  if ((code = target->open(0x22, true)) != kFileOk) return code;
  if (missing) return kFileOk;
  if ((code = target->markForTransaction()) != kFileOk) return code;
  if ((code = to_.beginTransaction(5)) != kFileOk) return code;
  Record record(table);
  source->setPosition(nullptr, FileEdge::Start);
  while ((code = source->next(record)) == kFileOk) {
    if ((code = target->add(record)) != kFileOk) break;
    ++copied;
  }
  if (code != kRecordNotAvailable) {
    const RuntimeError error = currentRuntimeError();
    to_.rollback();
    setRuntimeError(error);
    copied = 0;
    return code;
  }
  if ((code = to_.commit()) != kFileOk) {
    const RuntimeError error = currentRuntimeError();
    to_.rollback();
    setRuntimeError(error);
    copied = 0;
    return code;
  }
  return kFileOk;
}

}  // namespace bv
