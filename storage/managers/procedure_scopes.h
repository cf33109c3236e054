#pragma once
// The procedure scope list, shared by every file manager: one row per execution
// context, table and procedure in use.
//
// The first procedure that opens a table on a context gets a row. When another
// procedure on the same context then opens it, the table's whole state (position
// and record buffer) is saved in the new procedure's row; further opens by that
// procedure count up in its row, and its last close restores the saved state and
// removes the row. So a called window never leaves its caller another current
// record.
#include <QString>
#include <list>

#include "runtime/context.h"

namespace bv {

class FileManager;

struct ProcedureScopeRow {
  ContextId thread = 0;  // the execution context
  const FileManager* table = nullptr;
  QString proc;        // the procedure that opened the table
  int id = 0;          // the saved state of the caller, 0 when none
  int ustat = 0;       // 1 opened; 2 the procedure used the file too
  bool hold = false;   // the row holds a state to restore
  int scopeLevel = 1;  // 1 for the first procedure on the context
  int nestedOpen = 1;  // opens by this procedure not yet closed
};

class ProcedureScopes {
 public:
  // The row of this procedure, or nullptr.
  ProcedureScopeRow* find(ContextId thread, const FileManager* table, const QString& proc);
  // The latest row of the table on the context, or nullptr.
  ProcedureScopeRow* last(ContextId thread, const FileManager* table);
  int rowsOf(ContextId thread, const FileManager* table) const;
  ProcedureScopeRow& add(ProcedureScopeRow row);
  void remove(const ProcedureScopeRow* row);
  // Drops every row of a manager (when it is destroyed) or of a context (when it ends).
  void forget(const FileManager* table);
  void dropContext(ContextId thread);
  int size() const { return static_cast<int>(rows_.size()); }

 private:
  std::list<ProcedureScopeRow> rows_;  // a list, so that row pointers stay valid
};

}  // namespace bv
