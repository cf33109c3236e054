#include "storage/filelayer/handle_common.h"

#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {

QString keepDriverOption(QHash<QString, QString>& options, const QString& option) {
  const qsizetype eq = option.indexOf(u'=');
  const QString name = (eq < 0 ? option : option.left(eq)).trimmed().toUpper();
  if (eq >= 0) options.insert(name, option.mid(eq + 1).trimmed());
  report(kFileOk);
  return options.value(name);
}

const KeyDef* firstDuplicateKey(KeyedFile& file, const Record& record) {
  for (const KeyDef& k : file.table().keys) {
    if (!k.unique) continue;
    if (file.isDuplicate(k, record)) return &k;
    if (currentRuntimeError().code != kFileOk) return nullptr;
  }
  report(kFileOk);
  return nullptr;
}

}  // namespace bv::sqlfile
