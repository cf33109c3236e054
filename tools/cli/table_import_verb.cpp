// tabla-importa: adds every row of a CSV file to a table, all or none.
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include "tools/cli/column_values.h"
#include "tools/cli/shown_value.h"
#include "tools/cli/csv_format.h"
#include "tools/cli/data_session.h"
#include "tools/cli/record_writing.h"
#include "tools/cli/table_arguments.h"
#include "tools/cli/table_verbs.h"
#include "tools/cli/verb_arguments.h"

namespace bv::cli {
namespace {

struct ParsedRow {
  int line = 0;
  std::vector<FieldValue> values;  // one per header column
};

// Reads and checks the whole file before anything is written, so that a
// malformed file is a usage error that leaves the table as it was.
int readRows(const VerbCall& call, const TableDef& table, const QString& fileName, std::vector<Column>& columns,
             std::vector<ParsedRow>& rows) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    call.message(QStringLiteral("Error de Lectura"),
                 QStringLiteral("No se pudo leer el archivo %1: %2").arg(fileName, file.errorString()));
    return kExitFailure;
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(file.readAll());
  if (utf8.hasError()) return call.usageError(QStringLiteral("el archivo %1 no está en UTF-8").arg(fileName));

  CsvReader reader(text);
  QString reason;
  if (reader.atEnd()) return call.usageError(QStringLiteral("el archivo %1 no tiene encabezado").arg(fileName));
  const auto header = reader.next(&reason);
  if (!header) return call.usageError(QStringLiteral("%1, línea %2: %3").arg(fileName).arg(reader.line()).arg(reason));
  QSet<const FieldDef*> seen;
  QSet<QString> seenNames;
  for (const QString& name : *header) {
    const std::optional<Column> column = table.column(name.trimmed());
    if (!column)
      return call.usageError(
          QStringLiteral("columna desconocida en %1: \"%2\" no es un campo de la tabla %3").arg(fileName, shownValue(name), table.label));
    if (seenNames.contains(column->name))
      return call.usageError(QStringLiteral("la columna %1 aparece dos veces en %2").arg(column->name, fileName));
    seenNames.insert(column->name);
    columns.push_back(*column);
  }
  while (!reader.atEnd()) {
    const auto fields = reader.next(&reason);
    if (!fields) return call.usageError(QStringLiteral("%1, línea %2: %3").arg(fileName).arg(reader.line()).arg(reason));
    if (fields->size() != static_cast<qsizetype>(columns.size()))
      return call.usageError(QStringLiteral("%1, línea %2: la fila tiene %3 campos y el encabezado %4")
                                 .arg(fileName)
                                 .arg(reader.line())
                                 .arg(fields->size())
                                 .arg(columns.size()));
    ParsedRow row{reader.line(), {}};
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const auto value = parseFieldValue(*columns[i].field, (*fields)[static_cast<qsizetype>(i)], &reason);
      if (!value) return call.usageError(QStringLiteral("%1, línea %2: %3").arg(fileName).arg(reader.line()).arg(reason));
      row.values.push_back(*value);
    }
    rows.push_back(std::move(row));
  }
  return kExitDone;
}

int importTable(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments, {}, 2, &reason);
  if (!args) return call.usageError(reason);
  if (args->positional().size() < 2)
    return call.usageError(args->positional().isEmpty() ? QStringLiteral("falta TABLA") : QStringLiteral("falta ARCHIVO"));
  const TableDef* table = tableArgument(call, args->positional()[0]);
  if (!table) return kExitUsage;
  std::vector<Column> columns;
  std::vector<ParsedRow> rows;
  if (int status = readRows(call, *table, args->positional()[1], columns, rows)) return status;

  DataSession session(call.dataDirectory);
  FileManager& fm = session.files().of(*table);
  if (fm.open() != kLevelBenign) return kExitFailure;
  const int status = session.inTransaction({&fm}, [&] {
    for (const ParsedRow& row : rows) {
      // A column the file does not have keeps the cleared value.
      fm.buffer().clear();
      for (std::size_t i = 0; i < columns.size(); ++i) {
        const int stored = storeColumn(fm, columns[i], row.values[i]);
        if (stored != kLevelBenign) return exitStatusFor(fm, stored);
      }
      const int added = insertAsGiven(fm);
      if (added != kLevelBenign) return exitStatusFor(fm, added);
    }
    return static_cast<int>(kExitDone);
  });
  fm.close();
  return status;
}

}  // namespace

Verb tableImportVerb() {
  return {
      .name = QStringLiteral("tabla-importa"),
      .synopsis = QStringLiteral("TABLA ARCHIVO"),
      .summary = QStringLiteral("agrega a una tabla las filas de un archivo CSV"),
      .help = QStringLiteral(
          "Agrega a la tabla TABLA cada fila del archivo CSV ARCHIVO (la forma que escribe\n"
          "tabla-exporta), todas en una sola transacción: cada fila se valida con mensajes y se\n"
          "agrega por el administrador de archivos de la tabla. Una columna que falta toma el\n"
          "valor vacío (blanco, cero, sin fecha); una columna desconocida es un error de uso.\n"
          "Un campo autonumerado en cero o vacío toma el número siguiente; uno distinto de cero\n"
          "se conserva tal como viene, y si ya existe la fila se rechaza por clave duplicada.\n"
          "La primera fila rechazada deshace todo: se escribe su mensaje y el estado es 1."),
      .run = importTable,
  };
}

}  // namespace bv::cli
