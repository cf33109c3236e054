#pragma once
// The tables a procedure of the exchange uses, opened for its run (a failed
// open shows its message) and closed again when the run ends.
#include <initializer_list>
#include <vector>

#include "storage/managers/file_manager.h"

namespace bv {

class OpenedTables {
 public:
  OpenedTables() = default;
  ~OpenedTables() {
    for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  }
  OpenedTables(const OpenedTables&) = delete;
  OpenedTables& operator=(const OpenedTables&) = delete;

  // Opens each table in order; answers the level of the first that fails.
  int open(std::initializer_list<FileManager*> tables) {
    for (FileManager* m : tables) {
      const int level = m->open();
      if (level != kLevelBenign) return level;
      opened_.push_back(m);
    }
    return kLevelBenign;
  }

 private:
  std::vector<FileManager*> opened_;
};

}  // namespace bv
