#include "exchange/formula_sheet_report.h"

#include "storage/managers/file_managers.h"

namespace bv {

FormulaSheetReport::FormulaSheetReport(FileManagers& files, ContextId context,
                                       QString settingsFile)
    : planilla_(files[QStringLiteral("Planilla")]),
      context_(context),
      report_(QStringLiteral("Planilla")),
      export_(report_, std::move(settingsFile)),
      reader_(planilla_, nullptr, context),
      process_(reader_, &report_, [this] { step(); }) {
  report_.addBand(FormulaSheetExport::kHeaderBand, BandKind::Header);
  report_.addBand(FormulaSheetExport::kDetailBand, BandKind::Detail);
}

FormulaSheetReport::~FormulaSheetReport() = default;

bool FormulaSheetReport::start() {
  const ContextGuard guard(context_);
  started_ = export_.start();
  // A file output has no pages to preview.
  process_.setSkipPreview(export_.EXITNOW() != 0);
  return started_;
}

void FormulaSheetReport::step() {
  if (failed_) return;  // the rest of the batch after a failure
  const ContextGuard guard(context_);
  export_.take(planilla_.buffer());
  if (!export_.OPEN() || !export_.TAKERECORD()) {
    failed_ = true;
    process_.cancel();
    return;
  }
  if (export_.ISAREPORT()) report_.print(FormulaSheetExport::kDetailBand);
}

void FormulaSheetReport::finish() {
  if (!started_) return;
  const ContextGuard guard(context_);
  export_.CLOSE();
  if (export_.R) export_.R->KILL();
  started_ = false;
}

ReportProcess::Response FormulaSheetReport::runWithoutScreen() {
  const ReportProcess::Response response = process_.runWithoutScreen();
  finish();
  return response;
}

}  // namespace bv
