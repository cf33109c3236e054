#pragma once
// The server's answers turned into the layer's codes, once for every operation,
// and left as the runtime error. The server names each failure by a five-letter
// state; the layer's code follows from it and from what the statement was doing.
#include <QString>

#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {

// The layer's code for a failed statement's state ("23505" -> 40). A lock not
// granted in time is 43 on a read and 5 on a write; a lost connection, a full
// disk and anything unexpected are 90.
int fileCodeForState(const QString& sqlState, SqlAction action);
// A serialization failure or a deadlock: the statement may simply be run again.
bool isRetryableState(const QString& sqlState);
// Sets the runtime error for a failure: code 90 carries the server's own text and
// its state as the file error. Returns the code.
int reportServer(const QString& sqlState, const QString& serverText, SqlAction action);

}  // namespace bv::sqlfile
