#include "tools/cli/verb_arguments.h"

namespace bv::cli {

std::optional<VerbArguments> VerbArguments::parse(const QStringList& arguments, const std::vector<OptionSpec>& options,
                                                  int maxPositional, QString* reason) {
  auto refuse = [&](const QString& why) -> std::optional<VerbArguments> {
    if (reason) *reason = why;
    return std::nullopt;
  };
  VerbArguments out;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      out.positional_ << a;
      continue;
    }
    const OptionSpec* spec = nullptr;
    for (const OptionSpec& o : options)
      if (o.name == a) spec = &o;
    if (!spec) return refuse(QStringLiteral("opción desconocida: %1").arg(a));
    if (out.options_.contains(a)) return refuse(QStringLiteral("la opción %1 se dio dos veces").arg(a));
    QStringList values;
    for (int k = 0; k < spec->values; ++k) {
      if (i + 1 >= arguments.size()) return refuse(QStringLiteral("falta el valor de %1").arg(a));
      values << arguments[++i];
    }
    out.options_.insert(a, values);
  }
  if (maxPositional >= 0 && out.positional_.size() > maxPositional)
    return refuse(QStringLiteral("argumento de más: %1").arg(out.positional_.value(maxPositional)));
  return out;
}

}  // namespace bv::cli
