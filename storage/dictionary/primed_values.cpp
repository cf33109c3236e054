#include "storage/dictionary/primed_values.h"

namespace bv {

void primeFields(Record& record) {
  if (!record.isValid()) return;
  for (const PrimedValue& p : record.table().physical().primed) {
    switch (p.kind) {
      case PrimedValue::Kind::Text:
        record.setText(p.field, p.text);
        break;
      case PrimedValue::Kind::Today:
        record.setDate(p.field, Clock::today());
        break;
    }
  }
}

void primeRecord(Record& record) {
  record.clear();
  primeFields(record);
}

}  // namespace bv
