#include "printing/printed_report.h"

#include "shell/report_process/view_reader.h"
#include "storage/managers/file_managers.h"

namespace bv {

PrintedReport::PrintedReport(FileManagers& files, ContextId context, const QString& primary,
                             const QStringList& others, const QString& title)
    : files_(files),
      context_(context),
      view_(files[primary]),
      reader_(std::make_unique<ContextViewReader>(view_, context, [this] { closeTables(); })),
      report_(title),
      process_(*reader_, &report_, [this] {
        const ContextGuard guard(context_);
        step();
      }) {
  tables_.push_back(&files[primary]);
  for (const QString& label : others) tables_.push_back(&files[label]);
}

PrintedReport::~PrintedReport() { finish(); }

FileManager& PrintedReport::table(const QString& label) const { return files_[label]; }

bool PrintedReport::start() {
  const ContextGuard guard(context_);
  for (FileManager* t : tables_) {
    if (t->open() != kLevelBenign) {
      closeTables();
      return false;
    }
    opened_.push_back(t);
  }
  if (view_.open() != kLevelBenign) {
    closeTables();
    return false;
  }
  started();
  return true;
}

void PrintedReport::closeTables() {
  const ContextGuard guard(context_);
  if (view_.isOpen()) view_.close();
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
}

void PrintedReport::finish() { closeTables(); }

}  // namespace bv
