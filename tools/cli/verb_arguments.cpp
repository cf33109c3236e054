#include "tools/cli/verb_arguments.h"
#include "tools/cli/shown_value.h"

namespace bv::cli {

std::optional<VerbArguments> VerbArguments::parse(const QStringList& arguments, const std::vector<OptionDecl>& options,
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
    const OptionDecl* option = nullptr;
    for (const OptionDecl& o : options)
      if (o.name == a) option = &o;
    if (!option) return refuse(QStringLiteral("opción desconocida: %1").arg(shownValue(a)));
    if (out.options_.contains(a)) return refuse(QStringLiteral("la opción %1 se dio dos veces").arg(a));
    QStringList values;
    for (int k = 0; k < option->values; ++k) {
      if (i + 1 >= arguments.size()) return refuse(QStringLiteral("falta el valor de %1").arg(a));
      values << arguments[++i];
    }
    out.options_.insert(a, values);
  }
  if (maxPositional >= 0 && out.positional_.size() > maxPositional)
    return refuse(QStringLiteral("argumento de más: %1").arg(shownValue(out.positional_.value(maxPositional))));
  return out;
}

}  // namespace bv::cli
