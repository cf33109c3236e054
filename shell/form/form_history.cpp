#include "shell/form/form_history.h"

#include <QHash>

namespace bv {

Record& formHistory(const QString& procedure, const TableDef& table) {
  // One history per form for the whole run, shared by every window of every
  // execution context that opens that form.
  static QHash<QString, Record> histories;
  auto it = histories.find(procedure);
  if (it == histories.end() || !it->isValid() || &it->table() != &table)
    it = histories.insert(procedure, Record(table));
  return *it;
}

}  // namespace bv
