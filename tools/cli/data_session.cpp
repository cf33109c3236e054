#include "tools/cli/data_session.h"

#include "storage/filelayer/layer_choice.h"
#include "storage/managers/commit_warning.h"
#include "tools/cli/exit_status.h"

namespace bv::cli {

DataSession::DataSession(const QString& dataDirectory)
    : layer_(createLayer({dataDirectory, dataDirectory})), files_(*layer_), relations_(files_) {}

int DataSession::inTransaction(const std::vector<FileManager*>& tables, const std::function<int()>& body) {
  constexpr int kWaitSeconds = 2;
  for (FileManager* m : tables) {
    const int used = m->use();
    if (used != kLevelBenign) return kExitFailure;  // the file could not be opened
    const int code = m->file().markForTransaction();
    // A file that cannot join is left out, as the relation managers do.
    if (code == kFileOk || code == kTransactionNotSupported) continue;
    m->raise(21);
    return kExitFailure;
  }
  if (layer_->beginTransaction(kWaitSeconds) != kFileOk) {
    // Name the table that kept the transaction from starting.
    FileManager* blamed = tables.empty() ? nullptr : tables.front();
    for (FileManager* m : tables)
      if (!layer_->blockingFile().isEmpty() && m->file().path() == layer_->blockingFile()) blamed = m;
    if (blamed) blamed->raise(21);
    return kExitFailure;
  }
  const int status = body();
  if (status != kExitDone) {
    layer_->rollback();
    return status;
  }
  if (layer_->commit() != kFileOk) {
    const RuntimeError error = currentRuntimeError();
    layer_->rollback();
    files_.all().front()->errors().showMessage(
        QStringLiteral("Error Committing Update!||(#%1 - %2)").arg(error.code).arg(error.text),
        QStringLiteral("Error!"), MessageIcon::Exclamation, kButtonOk);
    return kExitFailure;
  }
  if (!tables.empty()) tellCommitWarning(*layer_, *tables.front());
  return kExitDone;
}

}  // namespace bv::cli
