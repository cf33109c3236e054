#include "kalrep/layout_step.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinterInfo>

#include "kalrep/column_layout.h"
#include "kalrep/layout_window.h"
#include "kalrep/screen.h"

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
  if (hasScreen()) return LayoutWindow::ask(layout);
  // Without a screen the window's rules hold as if it were accepted at once.
  const bool hadDefault = layout.loadStoredDefaultLayout();
  if (layout.WITHPAGE) layout.preparePage();
  if (!hadDefault) layout.storeDefaultLayout();
  return layout.accept();
}

}  // namespace bv
