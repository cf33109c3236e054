#pragma once
// What the label sheet and the two listings have in common: a report process
// over one view of the procedure's primary table, with the further tables the
// procedure reads opened beside it, all in the procedure's execution context.
// A procedure derives from it, declares its layout and view in its
// constructor and prints its detail in step().
//
//   SomeReport r(files, context, ...);
//   if (r.start()) { ...run r.process() on a progress window, or
//                    r.process().runWithoutScreen()...; }
//   r.finish();
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "runtime/context.h"
#include "runtime/report/report.h"
#include "shell/report_process/report_process.h"
#include "shell/report_process/view_reader.h"
#include "storage/views/view_manager.h"

namespace bv {

class FileManager;
class FileManagers;

class PrintedReport {
 public:
  PrintedReport(FileManagers& files, ContextId context, const QString& primary, const QStringList& others,
                const QString& title);
  virtual ~PrintedReport();
  PrintedReport(const PrintedReport&) = delete;
  PrintedReport& operator=(const PrintedReport&) = delete;

  // Opens the tables and the view; false when one cannot be opened (its
  // message shown).
  bool start();
  // Closes whatever the process left open. Safe to call more than once.
  void finish();

  Report& report() { return report_; }
  ReportProcess& process() { return process_; }
  ViewManager& view() { return view_; }
  ContextId context() const { return context_; }

 protected:
  FileManager& table(const QString& label) const;
  // Prints the detail of the record the view has just read.
  virtual void step() = 0;
  // Run by start() once the tables are open, before the first record.
  virtual void started() {}

 private:
  void closeTables();

  FileManagers& files_;
  ContextId context_;
  std::vector<FileManager*> tables_;  // the primary first
  std::vector<FileManager*> opened_;
  ViewManager view_;
  std::unique_ptr<ContextViewReader> reader_;
  Report report_;
  ReportProcess process_;
};

}  // namespace bv
