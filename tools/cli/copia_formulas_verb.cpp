// copia-formulas: copying the formulas of one line to another, as "Copiar" of
// the window "Copia las Formulas de una linea a otra" runs it.
#include "exchange/formula_copy.h"
#include "tools/cli/data_session.h"
#include "tools/cli/exchange_verbs.h"

namespace bv::cli {
namespace {

int formulaCopy(VerbCall& call) {
  if (call.arguments.size() != 3)
    return call.usageError(QStringLiteral("se esperan ORIGEN DESTINO BASICOS"));
  DataSession session(call.dataDirectory);
  const CopyOutcome outcome =
      FormulaCopy(session.files()).run({call.arguments[0], call.arguments[1], call.arguments[2]});
  switch (outcome.end) {
    case CopyOutcome::End::Copied:
      call.out << outcome.products << ',' << outcome.formulas << '\n';
      return kExitDone;
    case CopyOutcome::End::MissingInput:
    case CopyOutcome::End::Failed:
      return kExitRefused;
    case CopyOutcome::End::NotStarted:
      break;
  }
  return kExitFailure;
}

}  // namespace

Verb formulaCopyVerb() {
  return {
      .name = QStringLiteral("copia-formulas"),
      .synopsis = QStringLiteral("ORIGEN DESTINO BASICOS"),
      .summary = QStringLiteral("copia las fórmulas de una línea a otra"),
      .help = QStringLiteral(
          "Por cada producto terminado cuyo código empieza con ORIGEN y cuyo par en la línea\n"
          "DESTINO no existe, crea el par (DESTINO seguido del código sin ORIGEN) con una copia\n"
          "de su fórmula, cuyos básicos son los de la línea BASICOS. Todo en una transacción:\n"
          "si algo falla no queda nada de la corrida (estado 1). Cada prefijo tiene hasta 5\n"
          "caracteres. La salida es una línea con los productos y las fórmulas creados.\n"
          "\n"
          "Ejemplo: bravent-cli -d datos copia-formulas 01 07 B7"),
      .run = formulaCopy,
  };
}

}  // namespace bv::cli
