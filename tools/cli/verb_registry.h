#pragma once
// The verbs bravent-cli knows, in the order its help lists them. Each subsystem
// adds its verbs with one declaration in standard_verbs.cpp.
#include <QString>
#include <vector>

#include "tools/cli/exit_status.h"
#include "tools/cli/verb.h"

namespace bv::cli {

class VerbRegistry {
 public:
  // A later verb of the same name replaces the earlier one.
  void add(Verb verb);
  const Verb* find(const QString& name) const;
  const std::vector<Verb>& verbs() const { return verbs_; }

  // The text of "bravent-cli --help": the invocation and every verb.
  QString overview() const;
  // The text of "bravent-cli VERB --help".
  static QString describe(const Verb& verb);

 private:
  std::vector<Verb> verbs_;
};

// Every verb of the program.
const VerbRegistry& standardVerbs();

}  // namespace bv::cli
