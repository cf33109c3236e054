#include "storage/filelayer/pg_codes.h"

#include "storage/filelayer/file_layer.h"

namespace bv::sqlfile {

using namespace Qt::StringLiterals;

int fileCodeForState(const QString& sqlState, SqlAction action) {
  if (sqlState.isEmpty()) return kFileSystemError;  // no answer at all: the connection is gone
  if (sqlState == u"00000") return kFileOk;
  if (sqlState == u"23505") return kDuplicateKey;
  // lock_not_available, query_canceled (a timeout), and a retry that ran out of time
  if (sqlState == u"55P03" || sqlState == u"57014" || isRetryableState(sqlState))
    return action == SqlAction::Read ? kRecordHeld : kFileAccessDenied;
  // insufficient_privilege, read_only_sql_transaction, invalid_authorization
  if (sqlState == u"42501" || sqlState == u"25006" || sqlState.startsWith(u"28")) return kFileAccessDenied;
  if (sqlState == u"42P01") return kFileNotFound;  // undefined_table
  // data_corrupted, index_corrupted
  if (sqlState == u"XX001" || sqlState == u"XX002") return kKeyNeedsRebuild;
  return kFileSystemError;
}

bool isRetryableState(const QString& sqlState) { return sqlState == u"40001" || sqlState == u"40P01"; }

int reportServer(const QString& sqlState, const QString& serverText, SqlAction action) {
  const int code = fileCodeForState(sqlState, action);
  if (code != kFileSystemError) return report(code);
  return reportFileSystem(serverText.trimmed(), sqlState.isEmpty() ? u"08006"_s : sqlState);
}

}  // namespace bv::sqlfile
