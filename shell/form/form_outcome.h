#pragma once
// What an update form answers its caller when it has closed.
#include "shell/frame/toolbar_target.h"
#include "shell/request_codes.h"
#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"

#include <optional>

namespace bv {

struct FormOutcome {
  int response = kRequestCancelled;
  // The frame toolbar's button that closed the form (insert or a record
  // navigation button): the list moves and calls the form again.
  std::optional<ToolbarAction> toolbar;
  // The record the form wrote (insert, change) and where it is stored.
  RecordPosition position = 0;
  Record record;
};

}  // namespace bv
