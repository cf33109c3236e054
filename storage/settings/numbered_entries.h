#pragma once
// Rows kept as numbered entries: the entry `name` holds the row count, and the
// entries "name_1", "name_2", ... hold the rows. Both the sector register and
// the lists of the framework are kept this way.
#include "storage/settings/ini_document.h"

#include <QString>
#include <QStringList>

namespace bv {

// The rows the count announces (an empty or unreadable count is 0; a missing
// row reads as empty). The count is believed only as far as the section holds
// entries, so a damaged count cannot make a read run away.
QStringList readNumberedEntries(const IniDocument& doc, const QString& section,
                                const QString& name);
// Writes the count and the rows, and removes the numbered rows beyond the new
// count that the previous count still announced.
void writeNumberedEntries(IniDocument& doc, const QString& section, const QString& name,
                          const QStringList& rows);

// The nth (from 1) comma-separated field of a value: the text between the
// (n-1)th and the nth comma, or to the end of the value; with `toEnd` the field
// runs to the end of the value whatever it holds.
QString commaField(const QString& value, int n, bool toEnd = false);

}  // namespace bv
