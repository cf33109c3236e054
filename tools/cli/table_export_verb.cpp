// tabla-exporta: the rows of a table as CSV, in the order of a key, narrowed by
// a filter expression.
#include "runtime/filter/filter_expression.h"
#include "tools/cli/column_values.h"
#include "tools/cli/csv_format.h"
#include "tools/cli/data_session.h"
#include "tools/cli/output_file.h"
#include "tools/cli/record_writing.h"
#include "tools/cli/table_arguments.h"
#include "tools/cli/table_verbs.h"
#include "tools/cli/verb_arguments.h"

namespace bv::cli {
namespace {

int exportTable(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments, {{QStringLiteral("--clave")}, {QStringLiteral("--filtro")},
                                                          {QStringLiteral("--archivo")}},
                                         1, &reason);
  if (!args) return call.usageError(reason);
  if (args->positional().isEmpty()) return call.usageError(QStringLiteral("falta TABLA"));
  const TableDef* table = tableArgument(call, args->positional().front());
  if (!table) return kExitUsage;
  const KeyDef* key = table->primaryKey();
  if (args->has(QStringLiteral("--clave"))) {
    key = table->key(args->value(QStringLiteral("--clave")));
    if (!key)
      return call.usageError(
          QStringLiteral("la tabla %1 no tiene la clave %2").arg(table->label, args->value(QStringLiteral("--clave"))));
  }

  DataSession session(call.dataDirectory);
  FileManager& fm = session.files().of(*table);
  FilterFunctionBinding binding;
  fm.bindFields(binding);
  const auto filter = FilterExpression::compile(args->value(QStringLiteral("--filtro")), binding, &reason);
  if (!filter) return call.usageError(QStringLiteral("filtro no válido: %1").arg(reason));

  if (fm.open() != kLevelBenign) return kExitFailure;
  QString text = csvRow(headerNames(*table)) + kCsvRowEnd;
  int status = kExitDone;
  int level = fm.setPosition(key, FileEdge::Start);
  if (level != kLevelBenign) {
    status = exitStatusFor(fm, fm.raiseStored());
  } else {
    for (;;) {
      level = fm.next();
      if (level != kLevelBenign) {
        if (!fm.endOfFile()) status = kExitFailure;
        break;
      }
      if (filter->evaluate(binding)) text += csvRow(rowTexts(fm.buffer())) + kCsvRowEnd;
    }
  }
  fm.close();
  if (status != kExitDone) return status;
  return writeResult(call, args->value(QStringLiteral("--archivo")), text);
}

}  // namespace

Verb tableExportVerb() {
  return {
      .name = QStringLiteral("tabla-exporta"),
      .synopsis = QStringLiteral("TABLA [--clave KEY] [--filtro EXPR] [--archivo FILE]"),
      .summary = QStringLiteral("escribe las filas de una tabla en CSV"),
      .help = QStringLiteral(
          "Escribe las filas de la tabla TABLA (su etiqueta: Basicos, A_Basicos, ...) en CSV,\n"
          "en el orden de la clave KEY (una etiqueta de clave como BAS:KEYDES; por omisión la\n"
          "clave primaria, y sin ella el orden del archivo), sólo las que cumplen la expresión\n"
          "de filtro EXPR, en el archivo FILE o en la salida estándar.\n"
          "\n"
          "CSV: UTF-8, separado por comas, con comillas según RFC 4180; la primera línea lleva\n"
          "las etiquetas de los campos en mayúsculas en el orden del diccionario (un arreglo da\n"
          "una columna por elemento, PLA:BASICO[1] ... PLA:BASICO[25]; el memo va al final).\n"
          "Textos sin blancos finales, decimales con exactamente sus lugares y punto decimal\n"
          "(\"100.00\", \"-3\", \"1.2500\"), fechas AAAA-MM-DD (vacías sin fecha).\n"
          "\n"
          "Ejemplo: bravent-cli -d datos tabla-exporta Terminado --clave TER:KEYDES \\\n"
          "           --filtro \"TER:Linea = 5\" --archivo epoxi.csv"),
      .run = exportTable,
  };
}

}  // namespace bv::cli
