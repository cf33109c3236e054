// costo-formula: the cost sheet of one formula at today's dollar rate, as the
// formula list's costing button prints it, with the preview's pages written
// to a PDF file.
#include <QDir>
#include <QFile>

#include "production/costing/formula_cost_sheet.h"
#include "runtime/choices.h"
#include "shell/globals.h"
#include "tools/cli/costing_verbs.h"
#include "tools/cli/data_session.h"
#include "tools/cli/verb_arguments.h"

using namespace Qt::StringLiterals;

namespace bv::cli {
namespace {

int formulaCost(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments, {{u"--pdf"_s}}, 1, &reason);
  if (!args) return call.usageError(reason);
  if (args->positional().isEmpty()) return call.usageError(u"falta el número de fórmula"_s);
  if (!args->has(u"--pdf"_s) || args->value(u"--pdf"_s).isEmpty()) return call.usageError(u"falta --pdf"_s);
  const QString text = args->positional().front();
  const auto number = Decimal::parse(text);
  if (!number || number->isNegative() || number->rounded(0) != *number || !number->fits(5, 0))
    return call.usageError(u"número de fórmula no válido: %1"_s.arg(text));
  const QString file = QDir(QDir::currentPath()).absoluteFilePath(args->value(u"--pdf"_s));

  // The preview's question, answered "print every page".
  ScriptedChoices answers;
  answers.answer(u"vista-previa"_s, u"Imprimir"_s);
  answers.answer(u"vista-previa-paginas"_s, QString());
  ChoicesScope scope(answers);

  DataSession session(call.dataDirectory);
  // As the formula list hands the formula over.
  glo().Formula = number->rounded(0);
  FormulaCostSheet sheet(session.files(), ExecutionContext::current(), glo().Formula);
  // Only a file written by this run counts as the printed sheet.
  QFile::remove(file);
  sheet.report().setTarget(PrintTarget::pdfFile(file));
  if (!sheet.start()) return kExitFailure;
  const ReportProcess::Response response = sheet.process().runWithoutScreen();
  sheet.finish();
  if (response != ReportProcess::Response::Completed) return kExitRefused;
  if (!QFile::exists(file)) return kExitFailure;
  return kExitDone;
}

}  // namespace

Verb formulaCostVerb() {
  return {
      .name = u"costo-formula"_s,
      .synopsis = u"NUM --pdf FILE"_s,
      .summary = u"la hoja de costo de la fórmula NUM a la cotización del dólar de hoy"_s,
      .help = u"Imprime la hoja de costo (\"Formula de Produccion\") de la fórmula NUM: cada\n"
              "componente con su cantidad y su costo en pesos, neto de las bonificaciones del\n"
              "básico, a la cotización del dólar de hoy (1 cuando no hay ninguna), con los\n"
              "totales. Las páginas se escriben en FILE como PDF. Una fórmula que no existe\n"
              "termina con el estado 1.\n"
              "\n"
              "Ejemplo: bravent-cli -d datos costo-formula 3 --pdf costo.pdf"_s,
      .run = formulaCost,
  };
}

}  // namespace bv::cli
