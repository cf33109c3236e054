#pragma once
// What the report tests read back from a PDF file without a PDF library.
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>

namespace bv::test {

inline QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Page objects ("/Type /Page", not the "/Type /Pages" tree).
inline int pdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// The size of the first page in points, from its "/MediaBox [0 0 w h]".
inline QSizeF pdfMediaBox(const QByteArray& pdf) {
  static const QRegularExpression box(
      QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
  const auto m = box.match(QString::fromLatin1(pdf));
  return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

}  // namespace bv::test
