#include "kalrep/layout_step.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinterInfo>

#include "kalrep/column_layout.h"

namespace bv {

int currentPrinterPaperCode() {
  constexpr int kLetter = 1;
  // The printers are reached through the platform, which needs the program's
  // application object; without one there is no current printer.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return kLetter;
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return kLetter;
  const int code = printer.defaultPageSize().windowsId();
  return code > 0 ? code : kLetter;
}

bool runLayoutStep(ColumnLayout& layout) {
  if (!layout.WITHWINDOW) {
    if (layout.WITHPAGE) layout.takePaper(currentPrinterPaperCode());
    return true;
  }
  layout.applyDefaultLayout();
  if (layout.WITHPAGE) layout.preparePage();
  return layout.accept();
}

}  // namespace bv
