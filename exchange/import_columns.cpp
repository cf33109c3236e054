#include "exchange/import_columns.h"

#include "runtime/automation/cell_address.h"
#include "storage/managers/file_managers.h"

namespace bv {

int importSlotOf(QStringView letters) {
  const auto column = parseColumnLetters(letters.trimmed());
  if (!column) return 0;
  const int slot = *column - kImportFirstSlotColumn + 1;
  return slot >= 1 && slot <= kImportSlots ? slot : 0;
}

void ImportColumns::tie(int slot, const QString& basicCode) {
  if (slot >= 1 && slot <= kImportSlots) codes_[std::size_t(slot - 1)] = basicCode;
}

bool ImportColumns::read(FileManager& basicos, ImportColumns& out) {
  out = ImportColumns();
  if (basicos.setPosition(&basicos.keyDef(u"BAS:KEYCOD"), FileEdge::Start) != kLevelBenign)
    return false;
  const Record& basic = basicos.buffer();
  for (;;) {
    if (basicos.tryNext() != kLevelBenign) return basicos.endOfFile();
    out.tie(importSlotOf(basic.text("BAS:COLUMNA_EN_EXCEL")), basic.text("BAS:CODIGO"));
  }
}

}  // namespace bv
