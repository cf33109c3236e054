#pragma once
// One line of a form's child list as the form keeps it in memory until the
// form is saved.
#include <functional>

#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"

namespace bv {

struct ChildLine {
  Record record;
  RecordPosition position = 0;  // 0: a line not on file yet
};

// What the form does before each line is written (the purchases adjust the
// stock there). A level other than 0 stops the save, which is then cancelled.
struct ChildLineHooks {
  std::function<int(const Record& line)> beforeAdd;
  std::function<int(const Record& stored, const Record& line)> beforeRewrite;
  std::function<int(const Record& stored)> beforeDelete;
};

}  // namespace bv
