#pragma once
// Appending text to a file's bytes in Windows-1252, the byte form the export
// files keep.
#include <QByteArray>
#include <QStringView>

#include "runtime/cp1252.h"

namespace bv {

inline void appendCp1252(QByteArray& out, QStringView text) {
  const qsizetype start = out.size();
  out.resize(start + text.size());
  char* p = out.data() + start;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) {
      *p++ = char(c.unicode());
    } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      *p++ = '?';  // one character outside the table, one '?'
      ++i;
    } else {
      *p++ = cp1252::encodeChar(c);
    }
  }
  out.resize(p - out.data());
}

inline void appendCp1252(QByteArray& out, const char* ascii) { out.append(ascii); }

}  // namespace bv
