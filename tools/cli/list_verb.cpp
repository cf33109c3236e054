// lista: the rows of a list window as that window shows them.
#include "masterdata/masterdata_windows.h"
#include "printing/printing_procedures.h"
#include "production/production_procedures.h"
#include "shell/browse/list_output.h"
#include "tools/cli/csv_format.h"
#include "tools/cli/data_session.h"
#include "tools/cli/list_verbs.h"
#include "tools/cli/output_file.h"
#include "tools/cli/verb_arguments.h"

namespace bv::cli {
namespace {

using namespace Qt::StringLiterals;

const ListCatalogue& programLists() {
  static const ListCatalogue lists = [] {
    ListCatalogue c;
    addMasterdataLists(c);
    addProductionLists(c);
    addPrintingLists(c);
    return c;
  }();
  return lists;
}

int showList(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(
      call.arguments, {{u"--pestana"_s}, {u"--localizador"_s}, {u"--filtro"_s}, {u"--archivo"_s}}, 1, &reason);
  if (!args) return call.usageError(reason);
  if (args->positional().isEmpty()) return call.usageError(u"falta PROCEDIMIENTO"_s);
  const QString procedure = args->positional().front();
  const ListDeclaration* list = programLists().find(procedure);
  if (!list)
    return call.usageError(u"no hay una lista %1; las listas son: %2"_s.arg(procedure, programLists().names().join(u", ")));
  if (list->needsCaller)
    return call.usageError(u"la lista %1 se abre sólo desde la ventana que la llama"_s.arg(list->procedure));
  ListOutputRequest request;
  if (args->has(u"--pestana"_s)) {
    bool ok = false;
    request.tab = args->value(u"--pestana"_s).toInt(&ok);
    if (!ok) return call.usageError(u"--pestana espera un número: %1"_s.arg(args->value(u"--pestana"_s)));
  }
  request.locator = args->value(u"--localizador"_s);
  request.query = args->value(u"--filtro"_s);

  DataSession session(call.dataDirectory);
  ListOutput output(*list, session.files());
  QString text = csvRow(output.headers()) + kCsvRowEnd;
  QString problem;
  const int level = output.run(request, [&](const QStringList& row) { text += csvRow(row) + kCsvRowEnd; }, &problem);
  if (!problem.isEmpty()) return call.usageError(problem);
  if (level != 0) return kExitFailure;
  return writeResult(call, args->value(u"--archivo"_s), text);
}

}  // namespace

Verb listVerb() {
  return {
      .name = u"lista"_s,
      .synopsis = u"PROCEDIMIENTO [--pestana N] [--localizador TEXTO] [--filtro EXPR] [--archivo FILE]"_s,
      .summary = u"escribe las filas de una ventana de lista como la ventana las muestra"_s,
      .help = u"Escribe en CSV las filas de la ventana de lista PROCEDIMIENTO (BrowseBasicos,\n"
              "BrowseLinea, ...) como esa ventana las muestra: su vista con sus uniones, rangos,\n"
              "filtros y valores calculados, en el orden de su pestaña N (1, la primera, por\n"
              "omisión), con TEXTO escrito en el localizador de esa pestaña (un localizador que\n"
              "posiciona empieza en la fila encontrada; uno que filtra deja sólo las filas que\n"
              "cumplen) y la expresión EXPR aplicada como la aplica la consulta por ejemplo.\n"
              "La primera línea lleva los encabezados de las columnas que se muestran; cada valor\n"
              "va con el formato de su columna, sin blancos antes ni después.\n"
              "\n"
              "Ejemplo: bravent-cli -d datos lista BrowseBasicos --pestana 2 --localizador 05\n"
              "         bravent-cli -d datos lista BrowseBasicos --filtro \"CostoNeto > 100\""_s,
      .run = showList,
  };
}

}  // namespace bv::cli
