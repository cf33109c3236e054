#pragma once
// Where a report's pages go when they are printed: the printer of the page setup,
// or a PDF file (the headless runner and tests print to files).
#include <QString>

namespace bv {

struct PrintTarget {
  enum class Kind { Printer, PdfFile };
  Kind kind = Kind::Printer;
  QString path;  // PdfFile

  static PrintTarget printer() { return {}; }
  static PrintTarget pdfFile(const QString& path) { return {Kind::PdfFile, path}; }
};

}  // namespace bv
