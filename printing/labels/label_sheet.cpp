#include "printing/labels/label_sheet.h"

namespace bv::labels {

int labelsFor(const Decimal& count) {
  if (count < Decimal(1)) return 1;
  return static_cast<int>(count.toInteger());
}

SheetPosition positionOfRectangle(int k) {
  return {(k + 1) / 2, k % 2 == 1 ? 1 : 2};
}

int rectangleOf(const SheetPosition& position) { return (position.row - 1) * kColumns + position.column; }

bool isValidStart(const SheetPosition& position) {
  return position.row >= 1 && position.row <= kRows && position.column >= 1 && position.column <= kColumns;
}

QString productLine(const QString& description, const QString& code) {
  QString text = description;
  while (text.endsWith(u' ')) text.chop(1);
  QString trimmedCode = code;
  while (trimmedCode.endsWith(u' ')) trimmedCode.chop(1);
  return (text + QStringLiteral(" - ") + trimmedCode).left(kLineWidth);
}

}  // namespace bv::labels
