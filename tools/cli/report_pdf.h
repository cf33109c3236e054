#pragma once
// A printed report of the printing procedures run to the end without a
// screen, its pages written to a PDF file as the preview's "print" would.
#include <QString>

namespace bv {
class PrintedReport;
}

namespace bv::cli {

// `file` relative to the current directory. Answers the exit status: done when
// the pages were written, refused when the process had nothing to print or was
// cancelled, a failure when a table or the file could not be opened.
int printToPdf(PrintedReport& report, const QString& file);

}  // namespace bv::cli
