// planilla: the formula spreadsheet through the export library, as "Procesar"
// of the window "Generar Planilla" makes it, with the output type and the file
// given as arguments; the printer output is written as a PDF file.
#include <QDir>
#include <QFile>

#include "exchange/formula_sheet_rebuild.h"
#include "exchange/formula_sheet_report.h"
#include "kalrep/export_codes.h"
#include "kalrep/output_menus.h"
#include "runtime/choices.h"
#include "tools/cli/data_session.h"
#include "tools/cli/exchange_verbs.h"
#include "tools/cli/record_writing.h"
#include "tools/cli/verb_arguments.h"

namespace bv::cli {
namespace {

int formulaSheet(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(
      call.arguments, {{QStringLiteral("--tipo")}, {QStringLiteral("--archivo")}}, 0, &reason);
  if (!args) return call.usageError(reason);
  if (!args->has(QStringLiteral("--tipo"))) return call.usageError(QStringLiteral("falta --tipo"));
  if (!args->has(QStringLiteral("--archivo")) || args->value(QStringLiteral("--archivo")).isEmpty())
    return call.usageError(QStringLiteral("falta --archivo"));
  bool number = false;
  const int type = args->value(QStringLiteral("--tipo")).toInt(&number);
  if (!number || !(kal::isFileCode(type) || type == kal::kPrinter))
    return call.usageError(
        QStringLiteral("tipo de salida no válido: %1 (1 a 5, o 10)").arg(args->value(QStringLiteral("--tipo"))));
  const QString file = QDir(QDir::currentPath()).absoluteFilePath(args->value(QStringLiteral("--archivo")));

  // The windows' questions, answered from the arguments.
  ScriptedChoices answers;
  answers.answer(QString::fromLatin1(kOutputTypeChoice), QString::number(type));
  answers.answer(QString::fromLatin1(kFileNameChoice), file);
  answers.answer(QStringLiteral("vista-previa"), QStringLiteral("Imprimir"));
  answers.answer(QStringLiteral("vista-previa-paginas"), QString());
  ChoicesScope scope(answers);

  DataSession session(call.dataDirectory);
  if (const int level = rebuildFormulaSheet(session.files()); level != kLevelBenign)
    return exitStatusFor(session.files(), level);

  FormulaSheetReport report(session.files(), ExecutionContext::current(),
                            QDir(call.dataDirectory).filePath(QStringLiteral("bravent.INI")));
  const bool printed = type == kal::kPrinter;
  if (printed) {
    // Only a file written by this run counts as the printed sheet.
    QFile::remove(file);
    report.report().setTarget(PrintTarget::pdfFile(file));
  }
  if (!report.start()) return kExitRefused;
  const ReportProcess::Response response = report.runWithoutScreen();
  if (report.failed()) return kExitFailure;
  if (response != ReportProcess::Response::Completed) return kExitRefused;
  if (printed && !QFile::exists(file)) return kExitFailure;
  return kExitDone;
}

}  // namespace

Verb formulaSheetVerb() {
  return {
      .name = QStringLiteral("planilla"),
      .synopsis = QStringLiteral("--tipo N --archivo FILE"),
      .summary = QStringLiteral("la planilla de fórmulas por la librería de exportación"),
      .help = QStringLiteral(
          "Rehace la planilla de fórmulas (Planilla) a partir de las fórmulas y la escribe con\n"
          "la librería de exportación en el archivo FILE, con el tipo de salida N:\n"
          "  1 texto delimitado, 2 planilla de cálculo, 3 HTML, 4 DBF, 5 RTF,\n"
          "  10 impresora: las páginas se escriben en FILE como PDF.\n"
          "Un nombre sin extensión toma la del tipo (\".CSV\", \".XLSX\", \".HTM\", \".DBF\", \".RTF\").\n"
          "\n"
          "Ejemplo: bravent-cli -d datos planilla --tipo 2 --archivo formulas.xlsx"),
      .run = formulaSheet,
  };
}

}  // namespace bv::cli
