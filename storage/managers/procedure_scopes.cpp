#include "storage/managers/procedure_scopes.h"

namespace bv {

ProcedureScopeRow* ProcedureScopes::find(ContextId thread, const FileManager* table, const QString& proc) {
  for (auto it = rows_.rbegin(); it != rows_.rend(); ++it)
    if (it->thread == thread && it->table == table && it->proc == proc) return &*it;
  return nullptr;
}

ProcedureScopeRow* ProcedureScopes::last(ContextId thread, const FileManager* table) {
  for (auto it = rows_.rbegin(); it != rows_.rend(); ++it)
    if (it->thread == thread && it->table == table) return &*it;
  return nullptr;
}

int ProcedureScopes::rowsOf(ContextId thread, const FileManager* table) const {
  int n = 0;
  for (const ProcedureScopeRow& row : rows_)
    if (row.thread == thread && row.table == table) ++n;
  return n;
}

ProcedureScopeRow& ProcedureScopes::add(ProcedureScopeRow row) {
  rows_.push_back(std::move(row));
  return rows_.back();
}

void ProcedureScopes::remove(const ProcedureScopeRow* row) {
  rows_.remove_if([row](const ProcedureScopeRow& r) { return &r == row; });
}

void ProcedureScopes::forget(const FileManager* table) {
  rows_.remove_if([table](const ProcedureScopeRow& r) { return r.table == table; });
}

void ProcedureScopes::dropContext(ContextId thread) {
  rows_.remove_if([thread](const ProcedureScopeRow& r) { return r.thread == thread; });
}

}  // namespace bv
