#pragma once
// Walks the Formula2 lines of one formula in the order of FOR2:KEYCOD: `each`
// is called with each line in the table's buffer and answers a level; the walk
// stops at the first that is not 0. Answers 0 at the formula's last line, the
// level of a failed read (its message stored on the manager), or `each`'s.
#include <functional>

#include "runtime/decimal.h"
#include "storage/managers/file_manager.h"

namespace bv {

inline int forEachFormulaLine(FileManager& formula2, const Decimal& formula,
                              const std::function<int(Record& line)>& each) {
  Record& line = formula2.buffer();
  line.clear();
  line.setDecimal("FOR2:CODIGO_FORMULA", formula);
  if (const int level = formula2.setPosition(formula2.keyDef(u"FOR2:KEYCOD")); level != kLevelBenign)
    return level;
  for (;;) {
    const int level = formula2.tryNext();
    if (level != kLevelBenign) return formula2.endOfFile() ? kLevelBenign : level;
    if (line.decimal("FOR2:CODIGO_FORMULA") != formula) return kLevelBenign;
    if (const int done = each(line); done != kLevelBenign) return done;
  }
}

}  // namespace bv
