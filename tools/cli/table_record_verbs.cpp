// tabla-borra and tabla-cambia: one record found by its key, deleted or changed
// through the relation manager with referential integrity.
#include "runtime/message_presenter.h"
#include "tools/cli/column_values.h"
#include "tools/cli/data_session.h"
#include "tools/cli/record_writing.h"
#include "tools/cli/table_arguments.h"
#include "tools/cli/table_verbs.h"

namespace bv::cli {
namespace {

// The record a verb works on, found by the values of its key.
struct FoundRecord {
  const TableDef* table = nullptr;
  const KeyDef* key = nullptr;
  std::vector<ColumnValue> keyValues;
};

// Reads TABLA and the CAMPO=VALOR pairs of the key; nullopt after the usage
// error's line.
std::optional<FoundRecord> recordArguments(const VerbCall& call, const QStringList& arguments) {
  if (arguments.isEmpty()) {
    call.usageError(QStringLiteral("falta TABLA"));
    return std::nullopt;
  }
  FoundRecord found;
  found.table = tableArgument(call, arguments.front());
  if (!found.table) return std::nullopt;
  if (arguments.size() < 2) {
    call.usageError(QStringLiteral("faltan los valores CAMPO=VALOR de la clave"));
    return std::nullopt;
  }
  auto values = fieldArguments(call, *found.table, arguments.mid(1));
  if (!values) return std::nullopt;
  found.keyValues = std::move(*values);
  found.key = lookupKey(call, *found.table, found.keyValues);
  if (!found.key) return std::nullopt;
  return found;
}

// Fetches the record into the buffer of its table, opened by then. Answers an
// exit status: a record that is not there gives its line.
int fetchRecord(DataSession& session, const FoundRecord& found, bool forChange) {
  FileManager& fm = session.files().of(*found.table);
  fm.buffer().clear();
  for (const ColumnValue& v : found.keyValues)
    if (const int level = storeColumn(fm, v.column, v.value); level != kLevelBenign) return exitStatusFor(fm, level);
  // A record read for change is watched, so that a change made by another
  // station meanwhile is not overwritten.
  if (forChange) fm.watch();
  const int level = fm.fetch(*found.key);
  if (level == kLevelBenign) return kExitDone;
  if (level == kLevelFatal) return kExitFailure;
  QStringList values;
  for (const ColumnValue& v : found.keyValues) {
    Record shown(*found.table);
    shown.setValue(v.column, v.value);
    values << v.column.name + QStringLiteral(" = ") + columnText(shown, v.column);
  }
  showMessage(QStringLiteral("No hay en la tabla %1 un registro con %2.").arg(found.table->label, values.join(u", ")),
              QStringLiteral("Registro no encontrado"), MessageIcon::Information);
  return kExitRefused;
}

int deleteRecord(VerbCall& call) {
  const auto found = recordArguments(call, call.arguments);
  if (!found) return kExitUsage;
  DataSession session(call.dataDirectory);
  FileManager& fm = session.files().of(*found->table);
  RelationManager& rm = session.relations().of(fm);
  // The table is opened with every table its relations reach.
  if (rm.open() != kLevelBenign) return kExitFailure;
  int status = fetchRecord(session, *found, false);
  // The confirmation is answered with its default button, "&SI".
  if (status == kExitDone) status = exitStatusFor(session.files(), rm.deleteRecord(true));
  rm.close();
  return status;
}

int changeRecord(VerbCall& call) {
  const qsizetype put = call.arguments.indexOf(QStringLiteral("--pon"));
  if (put < 0) return call.usageError(QStringLiteral("falta --pon CAMPO=VALOR"));
  const auto found = recordArguments(call, call.arguments.mid(0, put));
  if (!found) return kExitUsage;
  const QStringList changes = call.arguments.mid(put + 1);
  if (changes.isEmpty()) return call.usageError(QStringLiteral("faltan los valores CAMPO=VALOR después de --pon"));
  const auto values = fieldArguments(call, *found->table, changes);
  if (!values) return kExitUsage;

  DataSession session(call.dataDirectory);
  FileManager& fm = session.files().of(*found->table);
  RelationManager& rm = session.relations().of(fm);
  if (rm.open() != kLevelBenign) return kExitFailure;
  int status = fetchRecord(session, *found, true);
  if (status == kExitDone) {
    rm.rememberLinks();
    for (const ColumnValue& v : *values) {
      if (const int level = storeColumn(fm, v.column, v.value); level != kLevelBenign) {
        status = exitStatusFor(fm, level);
        break;
      }
    }
  }
  // The rules are checked with their messages before the write, as a form does.
  if (status == kExitDone && fm.validateRecord(true) != 0) status = kExitRefused;
  if (status == kExitDone) status = exitStatusFor(session.files(), rm.update());
  rm.close();
  return status;
}

}  // namespace

Verb tableDeleteVerb() {
  return {
      .name = QStringLiteral("tabla-borra"),
      .synopsis = QStringLiteral("TABLA CAMPO=VALOR ..."),
      .summary = QStringLiteral("borra un registro con integridad referencial"),
      .help = QStringLiteral(
          "Busca el registro de la tabla TABLA cuya clave primaria (o, sin ella, la primera clave\n"
          "única) tiene los valores dados, uno por campo de la clave, y lo borra por el\n"
          "administrador de relaciones: los registros que lo referencian se borran con él o\n"
          "impiden el borrado, según las reglas del diccionario. La confirmación se responde\n"
          "que sí. Los valores se escriben como en el CSV (decimales con punto, fechas\n"
          "AAAA-MM-DD). Un registro inexistente da el estado 1.\n"
          "\n"
          "Ejemplo: bravent-cli -d datos tabla-borra Compra1 COM1:TIPO_DE_COMPROBANTE=RE "
          "COM1:COMPROBANTE=1450"),
      .run = deleteRecord,
  };
}

Verb tableChangeVerb() {
  return {
      .name = QStringLiteral("tabla-cambia"),
      .synopsis = QStringLiteral("TABLA CAMPO=VALOR ... --pon CAMPO=VALOR ..."),
      .summary = QStringLiteral("cambia campos de un registro con integridad referencial"),
      .help = QStringLiteral(
          "Busca el registro como tabla-borra, pone en él los campos dados después de --pon y\n"
          "lo graba por el administrador de relaciones: el cambio de un campo que otros\n"
          "registros referencian se propaga a ellos o se impide, según las reglas del\n"
          "diccionario. Cada campo se valida con sus mensajes antes de grabar.\n"
          "\n"
          "Ejemplo: bravent-cli -d datos tabla-cambia Linea LIN:CODIGO=7 --pon LIN:MARGEN=32.50"),
      .run = changeRecord,
  };
}

}  // namespace bv::cli
