#include "shell/values/global_values.h"

#include "shell/globals.h"

namespace bv {

GlobalValues& GlobalValues::instance() {
  static GlobalValues values;
  return values;
}

GlobalValues::GlobalValues() {
  // The descriptions never change; the values live in glo().
  for (const char* name : {"Glo:ModificaFormulas", "Glo:AccionParametros", "Glo:NuevaProduccion", "Glo:Formula",
                           "Glo:Linea", "GLO:DESDETERMINADO", "GLO:HASTATERMINADO", "Glo:LID", "Glo:LIH", "Glo:CAD",
                           "Glo:CAH", "Glo:MAD", "Glo:MAH", "GLO:DESDELINEA", "GLO:HASTALINEA", "GLO:LINEABASICOS",
                           "GLO:FILA", "GLO:COLUMNA"}) {
    const QString label = QString::fromLatin1(name);
    const GlobalName* g = findGlobal(label);
    if (!g) continue;
    const bool whole = label.endsWith(u"FILA", Qt::CaseInsensitive) || label.endsWith(u"COLUMNA", Qt::CaseInsensitive);
    FieldDef def = g->isNumber ? numberDef(label, 15, whole ? 0 : 4)
                               : textDef(label, static_cast<int>((glo().*(g->text)).size()));
    def.number = static_cast<int>(defs_.size());
    defs_.push_back(std::make_unique<FieldDef>(std::move(def)));
  }
}

const FieldDef* GlobalValues::find(const QString& name) const {
  for (const auto& d : defs_)
    if (d->label.compare(name, Qt::CaseInsensitive) == 0) return d.get();
  return nullptr;
}

FieldValue GlobalValues::value(const FieldDef& def) const {
  const GlobalName* g = findGlobal(def.label);
  if (!g) return QString();
  if (g->isNumber) return glo().*(g->number);
  return glo().*(g->text);
}

SetResult GlobalValues::set(const FieldDef& def, const FieldValue& value) {
  const GlobalName* g = findGlobal(def.label);
  if (!g) return SetResult::NoSuchField;
  FieldValue slot = this->value(def);
  const SetResult result = storeAs(def, value, slot);
  if (!isStored(result)) return result;
  if (g->isNumber) {
    glo().*(g->number) = std::get<Decimal>(slot);
  } else {
    // Text globals keep their fixed width, blank padded.
    glo().*(g->text) = std::get<QString>(slot).leftJustified(def.length, u' ');
  }
  return result;
}

}  // namespace bv
