#pragma once
// The error log "ABCError.Log": one plain-text line per message, the date
// (dd/mm/yyyy), "@", the time (hh:mm:ss), " --> " and the text, in Windows-1252
// like the other text files older stations read. A log that cannot be opened or
// written is skipped: logging never stops a message from being shown.
#include <QString>

namespace bv {

inline constexpr char kErrorLogFileName[] = "ABCError.Log";

QString errorLogLine(const QString& text);  // without the line end
void appendErrorLog(const QString& path, const QString& text);

}  // namespace bv
