#include "tools/cli/verb_registry.h"

#include <algorithm>

#include "runtime/message_presenter.h"

namespace bv::cli {

void VerbCall::message(const QString& title, const QString& text) const {
  showMessage(text, title, MessageIcon::Information);
}

int VerbCall::usageError(const QString& text) const {
  err << QStringLiteral("bravent-cli: ") << text << '\n';
  err.flush();
  return kExitUsage;
}

void VerbRegistry::add(Verb verb) {
  auto same = std::find_if(verbs_.begin(), verbs_.end(), [&](const Verb& v) { return v.name == verb.name; });
  if (same != verbs_.end())
    *same = std::move(verb);
  else
    verbs_.push_back(std::move(verb));
}

const Verb* VerbRegistry::find(const QString& name) const {
  for (const Verb& v : verbs_)
    if (v.name == name) return &v;
  return nullptr;
}

QString VerbRegistry::overview() const {
  QString text = QStringLiteral(
      "Uso: bravent-cli [-d CARPETA] VERBO [ARGUMENTOS]\n"
      "\n"
      "Ejecuta los procesos del sistema sin pantalla, sobre la carpeta de datos\n"
      "CARPETA (por omisión, la carpeta actual).\n"
      "\n"
      "Verbos:\n");
  int width = 0;
  for (const Verb& v : verbs_) width = std::max(width, static_cast<int>(v.name.size()));
  for (const Verb& v : verbs_)
    text += QStringLiteral("  ") + v.name.leftJustified(width + 2) + v.summary + u'\n';
  text += QStringLiteral(
      "\n"
      "Estado de salida: 0 hecho; 1 el proceso rechazó los datos (un mensaje de\n"
      "validación, una clave duplicada, una restricción, un registro inexistente);\n"
      "2 uso incorrecto (verbo desconocido, argumento faltante, valor mal formado);\n"
      "3 falla (un archivo que no pudo abrirse o escribirse, un mensaje fatal).\n"
      "Cada mensaje del proceso se escribe en la salida de errores como una línea\n"
      "\"Título: texto\"; la salida estándar lleva sólo el resultado del verbo.\n"
      "\n"
      "bravent-cli VERBO --help describe un verbo.\n");
  return text;
}

QString VerbRegistry::describe(const Verb& verb) {
  QString text = QStringLiteral("Uso: bravent-cli [-d CARPETA] ") + verb.name;
  if (!verb.synopsis.isEmpty()) text += u' ' + verb.synopsis;
  text += QStringLiteral("\n\n") + verb.summary + u'\n';
  if (!verb.help.isEmpty()) text += u'\n' + verb.help + (verb.help.endsWith(u'\n') ? QString() : QStringLiteral("\n"));
  return text;
}

}  // namespace bv::cli
