// importa-planilla: the spreadsheet import of a workbook, as "Procesar" of the
// window "Importar Formulas" runs it.
#include <QDir>

#include "exchange/formula_import.h"
#include "runtime/message_presenter.h"
#include "tools/cli/data_session.h"
#include "tools/cli/exchange_verbs.h"

namespace bv::cli {
namespace {

int formulaImport(VerbCall& call) {
  if (call.arguments.size() != 1) return call.usageError(QStringLiteral("se espera un archivo (FILE)"));
  const QString file = QDir(QDir::currentPath()).absoluteFilePath(call.arguments.front());
  DataSession session(call.dataDirectory);
  const ImportOutcome outcome = FormulaImport(session.files()).run(file);
  switch (outcome.end) {
    case ImportOutcome::End::BlankPath:
      return kExitUsage;
    case ImportOutcome::End::ReadError:
    case ImportOutcome::End::Failed:
      return kExitFailure;
    case ImportOutcome::End::Finished:
      break;
  }
  showMessage(outcome.closingText());
  return outcome.refused > 0 || outcome.productsNotAdded > 0 ? kExitRefused : kExitDone;
}

}  // namespace

Verb formulaImportVerb() {
  return {
      .name = QStringLiteral("importa-planilla"),
      .synopsis = QStringLiteral("FILE"),
      .summary = QStringLiteral("importa las fórmulas de una planilla (.xls o .xlsx)"),
      .help = QStringLiteral(
          "Lee la planilla FILE desde la fila 3 hasta la décima fila con el código (columna A)\n"
          "en blanco: crea el producto terminado que falte, crea o actualiza la fórmula del\n"
          "producto y reemplaza sus líneas por las cantidades de las columnas D a AI, según la\n"
          "columna de Excel de cada producto básico. Cada fila se graba entera o no se graba.\n"
          "Estado 1 cuando alguna fila no se importó (su mensaje se informa).\n"
          "\n"
          "Ejemplo: bravent-cli -d datos importa-planilla formulas.xlsx"),
      .run = formulaImport,
  };
}

}  // namespace bv::cli
