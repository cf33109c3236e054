#include "tools/cli/record_writing.h"

#include <algorithm>

#include "tools/cli/exit_status.h"

namespace bv::cli {

namespace {

// A control character (a line break, a tab, NUL) in a text of one line.
bool holdsControlCharacter(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

}  // namespace

int storeColumn(FileManager& files, const Column& column, const FieldValue& value) {
  const FieldDef& f = *column.field;
  // Fields of one line are shown, printed and exported on one line: a line
  // break or a NUL byte in them would break every one of those.
  if (const auto* text = std::get_if<QString>(&value);
      text && f.type == FieldType::String && holdsControlCharacter(*text)) {
    ErrorManager& errors = files.errors();
    errors.setFileName(files.name());
    errors.showMessage(QStringLiteral("El texto de %1 tiene caracteres de control (saltos de línea, tabuladores o "
                                      "NUL), que el campo no admite.")
                           .arg(f.messageText),
                       QStringLiteral("Error en Valor"), MessageIcon::Information, kButtonOk);
    return kLevelNotice;
  }
  if (const auto* text = std::get_if<QString>(&value); text && f.isText() && text->size() > f.length) {
    ErrorManager& errors = files.errors();
    errors.setFileName(files.name());
    errors.showMessage(QStringLiteral("El texto de %1 tiene %2 caracteres y el campo admite %3.")
                           .arg(f.messageText)
                           .arg(text->size())
                           .arg(f.length),
                       QStringLiteral("Error en Rango"), MessageIcon::Information, kButtonOk);
    return kLevelNotice;
  }
  return files.assign(f, value, column.index);
}

int storeField(FileManager& files, const QString& label, const FieldValue& value, int index) {
  const FieldDef* f = files.table().field(label);
  if (!f) qFatal("%s has no field %s", qPrintable(files.table().label), qPrintable(label));
  return storeColumn(files, Column{f, index, f->label}, value);
}

namespace {

// An auto-numbered field given a negative number: the numbers start at 1 and
// 0 asks for the next one. Message 18 with -1 as the limit.
bool refuseNegativeNumber(FileManager& files) {
  for (const ManagerKey& k : files.keys()) {
    if (!k.autoNumber) continue;
    const FieldDef& f = *files.table().field(k.key->components.back());
    if (!files.buffer().decimal(f.number).isNegative()) continue;
    files.setError(FileManager::kMsgTooSmall, QStringLiteral("-1"), f.messageText);
    files.raiseStored();
    return true;
  }
  return false;
}

// Every auto-numbered key of the buffer already holds a number.
bool numbersGiven(FileManager& files) {
  bool any = false;
  for (const ManagerKey& k : files.keys()) {
    if (!k.autoNumber) continue;
    any = true;
    if (files.buffer().decimal(k.key->components.back()).isZero()) return false;
  }
  return any;
}

}  // namespace

int insertAsGiven(FileManager& files) {
  const int used = files.use();
  if (used != kLevelBenign) return used;
  if (files.validateRecord(true) != 0) return kLevelUser;
  if (refuseNegativeNumber(files)) return kLevelUser;
  if (!numbersGiven(files)) return files.insert();

  // The manager numbers every record it adds; a record that comes with its
  // number is added by the layer under it, with the manager's messages.
  KeyedFile& file = files.file();
  const int code = file.add(files.buffer());
  if (code == kFileOk) return kLevelBenign;
  if (code == kDuplicateKey) {
    QString description;
    // After a failed add there is no current record, so the check sees all.
    if (const KeyDef* dup = file.duplicateKey(files.buffer()))
      for (const ManagerKey& k : files.keys())
        if (k.key == dup) description = k.description;
    setRuntimeError(kDuplicateKey, fileCodeText(kDuplicateKey));
    files.setError(FileManager::kMsgDuplicateKey, description);
  } else {
    files.setError(FileManager::kMsgAddError);
  }
  return files.raiseStored();
}

namespace {

// Messages that refuse the input, as opposed to those of a failing file. A
// write that failed on a duplicate key (message 25 of an update) refuses it too.
bool refuses(int message, const ErrorManager& errors) {
  if (message == FileManager::kMsgPutError || message == FileManager::kMsgAddError)
    return errors.capturedError().code == kDuplicateKey;
  switch (message) {
    case 0:   // a question answered no, a rule that failed without a number
    case FileManager::kMsgChanged:
    case FileManager::kMsgChangedLong:
    case FileManager::kMsgDuplicateKey:
    case 14:  // a lookup rule
    case 15:  // a list rule
    case FileManager::kMsgTooLarge:
    case FileManager::kMsgTooSmall:
    case 30:  // restrict on delete
    case 31:  // restrict on update
    case FileManager::kMsgAutoNumber:
      return true;
    default:
      return false;
  }
}

}  // namespace

int exitStatusFor(FileManager& files, int level) {
  if (level == kLevelBenign) return kExitDone;
  if (level == kLevelFatal || level == kLevelProgram) return kExitFailure;
  return refuses(files.errorNumber(), files.errors()) ? kExitRefused : kExitFailure;
}

int exitStatusFor(FileManagers& files, int level) {
  if (level == kLevelBenign) return kExitDone;
  if (level == kLevelFatal || level == kLevelProgram) return kExitFailure;
  bool failed = false;
  for (const auto& m : files.all()) {
    const int message = m->errorNumber();
    if (message == 0) continue;
    if (refuses(message, m->errors())) return kExitRefused;
    failed = true;
  }
  // Nothing stored: a question answered no.
  return failed ? kExitFailure : kExitRefused;
}

}  // namespace bv::cli
