#pragma once
// What a file manager keeps once per execution context: the context's handle on
// the file (its cursor is the context's position), its record buffer, its saved
// states and buffers, and the per-context flags. Two windows never see each
// other's buffers or positions; a form called in its caller's context shares
// them, which is why procedure scope saves and restores them.
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "runtime/runtime_error.h"
#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"

namespace bv {

// The message an operation stored for a later raise, with the texts it needs, so
// that the message shows the failing call's error even after other calls.
struct StoredError {
  int number = 0;
  QString messageText;  // %Message, when the message has one
  QString fieldText;    // %Field, when the message has one
  RuntimeError runtime;
  bool shown = false;  // raised already: the with-messages operations do not raise it again
};

// A saved copy of the record buffer (the memo is part of the record; the file
// layer keeps no null values).
struct SavedBuffer {
  Record record;
};

// A saved file state: the handle's cursor, the current record's position, the
// placeholder flag and a copy of the buffer.
struct SavedFile {
  FileState state;
  RecordPosition position = 0;
  bool placeholder = false;
  RecordPosition placeholderPosition = 0;
  std::vector<FieldValue> reserved;
  Record buffer;
};

struct ManagerContext {
  std::unique_ptr<KeyedFile> file;     // the context's handle on the table's file
  Record buffer;                       // the context's record buffer
  std::map<int, SavedBuffer> buffers;  // saved copies of the buffer, by number
  std::map<int, SavedFile> saved;      // saved file states, by number
  int openCount = 0;                   // opens counted and not yet closed
  bool opened = false;                 // the handle is open (the file was used)
  bool endOfFile = false;              // the last read in sequence met the end
  bool placeholder = false;            // an auto-number is reserved by a placeholder
  RecordPosition placeholderPosition = 0;
  // The numbers the placeholder reserved, one per auto-numbered key, so that a
  // buffer cleared again keeps them.
  std::vector<FieldValue> reserved;
  StoredError lastError;
  // Re-entry guards: a message shown inside an operation may let other code of
  // the same context run.
  bool inUseFile = false;
  bool inCallback = false;
  bool inClose = false;
  bool inRestore = false;
};

}  // namespace bv
