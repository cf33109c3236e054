#pragma once
// Printing a report's pages on a paged device: a PDF file, the printer, or any
// QPagedPaintDevice a caller has set up.
#include <QPagedPaintDevice>
#include <QString>

#include "runtime/report/page_selection.h"

namespace bv {

class Report;

// Draws the chosen pages (numbers outside the report are skipped) on the device,
// after giving it the report's paper and orientation. False with a reason when the
// device cannot be painted on.
bool writePages(QPagedPaintDevice& device, const Report& report, const PageSelection& pages,
                QString* error = nullptr);
// The chosen pages as a PDF file. With no page to print no file is written.
bool writePdf(const Report& report, const QString& path, const PageSelection& pages,
              QString* error = nullptr);
// The chosen pages on the printer of the report's page setup (the default printer
// when it names none), with its paper code and resolution.
bool sendToPrinter(const Report& report, const PageSelection& pages, QString* error = nullptr);

}  // namespace bv
