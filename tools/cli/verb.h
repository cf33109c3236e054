#pragma once
// One verb of bravent-cli: its name, how it is called, what it does, and the
// function that runs it.
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

#include "tools/cli/exit_status.h"

namespace bv::cli {

// What a verb is run with.
struct VerbCall {
  QString dataDirectory;  // absolute
  QStringList arguments;  // after the verb's name
  QTextStream& out;       // the verb's own result, nothing else
  QTextStream& err;       // one line per message

  // Shows a message of the verb's own through the message window, which writes
  // it as one line "title: text" like every message of a run.
  void message(const QString& title, const QString& text) const;
  // A usage error of the verb: its line, then the status for wrong usage.
  int usageError(const QString& text) const;
};

struct Verb {
  using Handler = std::function<int(VerbCall&)>;

  QString name;      // "tabla-exporta"
  QString synopsis;  // "TABLA [--clave KEY] [--filtro EXPR] [--archivo FILE]"
  QString summary;   // one line for the list of verbs
  QString help;      // the description of "VERB --help", after the synopsis
  Handler run;       // answers an exit status
  // The verb opens nothing in the data directory before it runs (so a
  // directory that does not exist yet is no failure): the demo data set.
  bool makesDirectory = false;
};

}  // namespace bv::cli
