#include "tools/cli/cli_runner.h"
#include "tools/cli/shown_value.h"

#include <QDir>
#include <algorithm>

#include "runtime/message_presenter.h"
#include "runtime/stderr_presenter.h"
#include "storage/dictionary/dictionary.h"
#include "storage/errors/error_manager.h"

namespace bv::cli {
namespace {

bool isHelp(const QString& a) { return a == QStringLiteral("--help") || a == QStringLiteral("-h"); }

}  // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, const VerbRegistry& verbs) {
  QString directory = QStringLiteral(".");
  qsizetype i = 0;
  for (; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (isHelp(a)) {
      out << verbs.overview();
      out.flush();
      return kExitDone;
    }
    if (a == QStringLiteral("-d")) {
      if (i + 1 >= arguments.size()) {
        err << QStringLiteral("bravent-cli: falta la carpeta después de -d\n");
        return kExitUsage;
      }
      directory = arguments[++i];
      continue;
    }
    if (a.startsWith(u'-')) {
      err << QStringLiteral("bravent-cli: opción desconocida: %1\n").arg(shownValue(a));
      return kExitUsage;
    }
    break;
  }
  if (i >= arguments.size()) {
    err << QStringLiteral("bravent-cli: falta el verbo (bravent-cli --help lista los verbos)\n");
    return kExitUsage;
  }
  const Verb* verb = verbs.find(arguments[i]);
  if (!verb) {
    err << QStringLiteral("bravent-cli: verbo desconocido: %1 (bravent-cli --help lista los verbos)\n").arg(shownValue(arguments[i]));
    return kExitUsage;
  }
  const QStringList rest = arguments.mid(i + 1);
  if (std::any_of(rest.begin(), rest.end(), isHelp)) {
    out << VerbRegistry::describe(*verb);
    out.flush();
    return kExitDone;
  }

  const QString absolute = QDir(directory).absolutePath();
  StderrPresenter presenter(err);
  PresenterScope scope(presenter);
  if (!verb->makesDirectory && !QDir(absolute).exists()) {
    showMessage(QStringLiteral("La carpeta de datos %1 no existe.").arg(absolute), QStringLiteral("Error de Acceso"),
                MessageIcon::Information);
    return kExitFailure;
  }
  ErrorManager::instance();  // the message table, before any storage runs
  Dictionary::instance();
  VerbCall call{absolute, rest, out, err};
  const int status = verb->run(call);
  out.flush();
  err.flush();
  return status;
}

}  // namespace bv::cli
