#pragma once
// What every implementation's handle does alike: keeping the driver options,
// and finding the unique key a record would collide on.
#include <QHash>
#include <QString>

#include "storage/filelayer/file_layer.h"

namespace bv::sqlfile {

// Keeps a driver option ("Recover=30") in `options` and answers its current
// value ("" for one never set); an option without "=" only asks.
QString keepDriverOption(QHash<QString, QString>& options, const QString& option);
// The first unique key (in declaration order) on which `record` collides in
// `file`, asking key by key; nullptr when none does or a read failed (then the
// runtime error says so).
const KeyDef* firstDuplicateKey(KeyedFile& file, const Record& record);

}  // namespace bv::sqlfile
