#pragma once
// One line of a form's child list as the form keeps it in memory until the
// form is saved.
#include <functional>

#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"

namespace bv {

class FileManagers;

struct ChildLine {
  Record record;
  RecordPosition position = 0;  // 0: a line not on file yet
};

// What the form does before each line is written (the purchases adjust the
// stock there). The hooks run inside the save's transaction and reach every
// table through `files`; a table they write must be among the save's tables,
// so that its change commits or rolls back with the lines. A level other than
// 0 stops the save, which is then cancelled.
struct ChildLineHooks {
  std::function<int(const Record& line, FileManagers& files)> beforeAdd;
  std::function<int(const Record& stored, const Record& line, FileManagers& files)> beforeRewrite;
  std::function<int(const Record& stored, FileManagers& files)> beforeDelete;
};

}  // namespace bv
