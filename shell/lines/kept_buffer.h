#pragma once
// A table's buffer kept as it was around reads that use it (a line's joined
// records, the check of the lines before a save).
#include "storage/managers/file_manager.h"

namespace bv {

// Keeps a table's buffer of the current context as it was.
class KeptBuffer {
 public:
  explicit KeptBuffer(FileManager& file) : file_(file), id_(file.saveBuffer()) {}
  ~KeptBuffer() { file_.restoreBuffer(id_); }
  KeptBuffer(const KeptBuffer&) = delete;
  KeptBuffer& operator=(const KeptBuffer&) = delete;

 private:
  FileManager& file_;
  int id_;
};

}  // namespace bv
