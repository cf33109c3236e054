#include "kalrep/column_descriptor.h"

#include <algorithm>

namespace bv {

QChar ColumnDescriptor::typeLetter() const {
  const qsizetype at = PICTURE.startsWith(u'@') ? 1 : 0;
  return at < PICTURE.size() ? PICTURE.at(at).toUpper() : QChar(u'S');
}

QChar ColumnDescriptor::justification() const {
  return JUSTIFICACION.isEmpty() ? QChar(u'L') : JUSTIFICACION.at(0).toUpper();
}

int ColumnDescriptor::pictureWidth() const {
  return picture ? int(picture->format(Decimal(9)).size()) : int(PICTURE.size());
}

QString ColumnDescriptor::formattedValue() const {
  return CAMPO.format(dataPicture ? &*dataPicture : nullptr);
}

template <typename Column, typename List>
static std::vector<Column*> visibleOf(List& columns) {
  std::vector<Column*> out;
  out.reserve(columns.size());
  for (auto& c : columns)
    if (c.ORDEN > 0) out.push_back(&c);
  std::stable_sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->ORDEN < b->ORDEN; });
  return out;
}

std::vector<const ColumnDescriptor*> visibleColumns(const ColumnList& columns) {
  return visibleOf<const ColumnDescriptor>(columns);
}

std::vector<ColumnDescriptor*> visibleColumns(ColumnList& columns) {
  return visibleOf<ColumnDescriptor>(columns);
}

QString withoutTrailingBlanks(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text.at(n - 1) == u' ') --n;
  return n == text.size() ? text : text.left(n);
}

void alignCellText(QString& text, QChar justification) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') --end;
  if (end == 0) {
    text.clear();
  } else if (justification == u'R') {
    // Right-aligned in its own length: the trailing blanks move to the front.
    const qsizetype trailing = text.size() - end;
    if (trailing > 0) {
      text.truncate(end);
      text.prepend(QString(trailing, u' '));
    }
  } else {
    qsizetype start = 0;
    while (start < end && text.at(start) == u' ') ++start;
    text.truncate(end);
    if (start > 0) text.remove(0, start);
  }
}

QString alignedCellText(const QString& text, QChar justification) {
  QString out = text;
  alignCellText(out, justification);
  return out;
}

}  // namespace bv
