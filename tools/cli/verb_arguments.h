#pragma once
// The arguments of a verb: positional values and "--name" options, each
// option followed by a fixed number of values.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace bv::cli {

struct OptionDecl {
  QString name;    // "--clave"
  int values = 1;  // how many values follow it
};

class VerbArguments {
 public:
  // Nullopt with a reason in Spanish for an unknown option, an option given
  // twice or one whose values are missing, and for more than `maxPositional`
  // positional values (-1: any number).
  static std::optional<VerbArguments> parse(const QStringList& arguments, const std::vector<OptionDecl>& options,
                                            int maxPositional, QString* reason);

  const QStringList& positional() const { return positional_; }
  bool has(const QString& option) const { return options_.contains(option); }
  QString value(const QString& option) const { return options_.value(option).value(0); }
  QStringList values(const QString& option) const { return options_.value(option); }

 private:
  QStringList positional_;
  QHash<QString, QStringList> options_;
};

}  // namespace bv::cli
