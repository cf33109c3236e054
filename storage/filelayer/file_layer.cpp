#include "storage/filelayer/file_layer.h"

#include <limits>

namespace bv {

QString fileCodeText(int code) {
  switch (code) {
    case kFileOk: return QString();
    case kFileNotFound: return QStringLiteral("Archivo no encontrado");
    case kFileAccessDenied: return QStringLiteral("Acceso denegado");
    case kRecordNotAvailable: return QStringLiteral("Registro no disponible");
    case kRecordNotFound: return QStringLiteral("Registro no encontrado");
    case kFileNotOpen: return QStringLiteral("Archivo no abierto");
    case kDuplicateKey: return QStringLiteral("Crea clave duplicada");
    case kRecordHeld: return QStringLiteral("Registro retenido por otra estación");
    case kKeyNeedsRebuild: return QStringLiteral("Clave inválida, debe reconstruirse");
    case kFileAlreadyOpen: return QStringLiteral("Archivo ya abierto");
    case kTransactionActive: return QStringLiteral("Transacción ya iniciada");
    case kTransactionNotSupported: return QStringLiteral("Función no soportada");
    case kRecordChanged: return QStringLiteral("Registro modificado por otra estación");
    case kFileSystemError: return QStringLiteral("Error del sistema de archivos");
    default: return QStringLiteral("Error %1").arg(code);
  }
}

int KeyedFile::readPage(bool forward, int count, std::vector<Record>& records, std::vector<RecordPosition>& positions) {
  Record record(table());
  for (int i = 0; i < count; ++i) {
    const int code = forward ? next(record) : previous(record);
    if (code == kRecordNotAvailable && i > 0) return kFileOk;
    if (code != kFileOk) return code;
    records.push_back(record);
    positions.push_back(position());
  }
  return kFileOk;
}

// One walk in position order, each matching record written over: a layer with
// a set-based change of its own does better.
int KeyedFile::replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                          qint64& changed) {
  changed = 0;
  const FileState kept = state();
  Record r(table());
  int code = setPosition(nullptr, FileEdge::Start);
  while (code == kFileOk && (code = next(r)) == kFileOk) {
    bool matches = true;
    for (int f : fields) matches = matches && r.value(f) == match.value(f);
    if (!matches) continue;
    for (int f : fields) r.setValue(f, replacement.value(f));
    code = put(r);
    if (code == kFileOk) ++changed;
  }
  restoreState(kept);
  if (code == kRecordNotAvailable) code = kFileOk;
  setRuntimeError(code, fileCodeText(code));
  return code;
}

void clearRecord(Record& record, ClearValue value) {
  record.clear();
  if (value == ClearValue::Blank || !record.isValid()) return;
  const bool high = value == ClearValue::Highest;
  for (const FieldDef& f : record.table().fields) {
    for (int i = 1; i <= f.arrayLength; ++i) {
      switch (f.type) {
        case FieldType::String:
          // U+FFFF sorts after every other character of the basic plane in
          // character-code order; the lowest text is the empty one.
          record.setText(f, high ? QString(f.length, QChar(0xFFFF)) : QString(), i);
          break;
        case FieldType::Decimal:
          record.setDecimal(f, high ? f.largest() : -f.largest(), i);
          break;
        case FieldType::Date:
          record.setDate(f, high ? Date(std::numeric_limits<std::int32_t>::max()) : Date(), i);
          break;
        case FieldType::Memo:
          break;
      }
    }
  }
}

}  // namespace bv
