#include "tools/cli/report_pdf.h"

#include <QDir>
#include <QFile>

#include "printing/printed_report.h"
#include "runtime/choices.h"
#include "tools/cli/exit_status.h"

using namespace Qt::StringLiterals;

namespace bv::cli {

int printToPdf(PrintedReport& report, const QString& file) {
  const QString path = QDir(QDir::currentPath()).absoluteFilePath(file);
  // The preview's question, answered "print every page".
  ScriptedChoices answers;
  answers.answer(u"vista-previa"_s, u"Imprimir"_s);
  answers.answer(u"vista-previa-paginas"_s, QString());
  ChoicesScope scope(answers);
  // Only a file written by this run counts as the printed report.
  QFile::remove(path);
  report.report().setTarget(PrintTarget::pdfFile(path));
  if (!report.start()) return kExitFailure;
  const ReportProcess::Response response = report.process().runWithoutScreen();
  report.finish();
  if (response != ReportProcess::Response::Completed) return kExitRefused;
  return QFile::exists(path) ? kExitDone : kExitFailure;
}

}  // namespace bv::cli
