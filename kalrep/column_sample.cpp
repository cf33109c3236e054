#include "kalrep/column_sample.h"

#include "runtime/date_time.h"

namespace bv {

QString sampleText(const ColumnDescriptor& column) {
  if (!column.picture) return {};
  const Picture& p = *column.picture;
  switch (p.kind()) {
    case Picture::Kind::Text:
      return p.format(QString(p.width(), u'X'));
    case Picture::Kind::Date:
      return p.format(Clock::today());
    case Picture::Kind::Time:
      return p.format(Clock::now());
    case Picture::Kind::Number:
      return p.format(Decimal());
    case Picture::Kind::Pattern:
      break;
  }
  return {};
}

}  // namespace bv
