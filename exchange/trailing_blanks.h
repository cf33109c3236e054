#pragma once
// Texts typed into entries and read from cells are taken without their
// trailing blanks (leading ones are part of a code).
#include <QString>

namespace bv {

inline QString withoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1).isSpace()) --end;
  return text.left(end);
}

}  // namespace bv
