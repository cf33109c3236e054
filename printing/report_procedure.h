#pragma once
// A printed report as a procedure of its own: the report process on a
// progress window in the frame's area, ending in the print preview. The
// procedure's name stands in the error manager while it runs.
#include <QCoroTask>
#include <QString>
#include <memory>

#include "shell/procedure_registry.h"

namespace bv {

class PrintedReport;

// Runs `report` (already made in `start.context`) to its end. `userText` is
// shown on the progress window ("Ordenando los Registros").
QCoro::Task<void> runPrintedReport(std::unique_ptr<PrintedReport> report, ProcedureStart start,
                                   QString procedure, QString userText = {});

}  // namespace bv
