#pragma once
// The history record of each form: a copy of the form's primary record as it
// stood the last time OK was pressed in that form during this run of the
// program. Every opening of the form shares it; it starts cleared the first
// time the form opens. The history key (Ctrl+') or the toolbar's history
// button puts a history field's value back from it.
#include "storage/dictionary/record.h"

#include <QString>

namespace bv {

// The history record of the form `procedure` over `table` (made cleared on first use).
Record& formHistory(const QString& procedure, const TableDef& table);

}  // namespace bv
