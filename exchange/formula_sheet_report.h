#pragma once
// The report RPT:GeneraPlanilla: a report process over Planilla that hands
// every row to the export library. The user chooses the output first (the
// printer, or a spreadsheet, delimited text, HTML, RTF or DBF file); a file
// output skips the print preview, a printer output prints the report's own
// detail band for every row and ends in the preview.
//
//   FormulaSheetReport r(files, context);
//   if (r.start()) { ...run r.process() on a progress window or without one...;
//                    r.finish(); }
#include <QString>

#include "exchange/formula_sheet_export.h"
#include "exchange/table_process_reader.h"
#include "runtime/report/report.h"
#include "shell/report_process/report_process.h"

namespace bv {

class FileManagers;

class FormulaSheetReport {
 public:
  FormulaSheetReport(FileManagers& files, ContextId context,
                     QString settingsFile = QStringLiteral("bravent.INI"));
  ~FormulaSheetReport();
  FormulaSheetReport(const FormulaSheetReport&) = delete;
  FormulaSheetReport& operator=(const FormulaSheetReport&) = delete;

  // Asks the output and sets up the columns; false when there is to be no
  // output (the choice or the file name was cancelled).
  bool start();
  // Closes the output file once the process has ended.
  void finish();
  // start() done: the whole report without a screen (the preview's question
  // through the choices interface), then finish().
  ReportProcess::Response runWithoutScreen();

  Report& report() { return report_; }
  ReportProcess& process() { return process_; }
  FormulaSheetExport& exporter() { return export_; }
  // A row could not be handed over (the output could not be opened or
  // written): the process was stopped.
  bool failed() const { return failed_; }

 private:
  void step();

  FileManager& planilla_;
  ContextId context_;
  Report report_;
  FormulaSheetExport export_;
  TableProcessReader reader_;
  ReportProcess process_;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace bv
