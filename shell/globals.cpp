#include "shell/globals.h"

#include <array>

namespace bv {

Globals& glo() {
  static Globals globals;
  return globals;
}

namespace {
constexpr std::array<GlobalName, 18> kNames{{
    {"Glo:ModificaFormulas", false, nullptr, &Globals::ModificaFormulas},
    {"Glo:AccionParametros", false, nullptr, &Globals::AccionParametros},
    {"Glo:NuevaProduccion", true, &Globals::NuevaProduccion, nullptr},
    {"Glo:Formula", true, &Globals::Formula, nullptr},
    {"Glo:Linea", true, &Globals::Linea, nullptr},
    {"GLO:DESDETERMINADO", false, nullptr, &Globals::DESDETERMINADO},
    {"GLO:HASTATERMINADO", false, nullptr, &Globals::HASTATERMINADO},
    {"Glo:LID", true, &Globals::LID, nullptr},
    {"Glo:LIH", true, &Globals::LIH, nullptr},
    {"Glo:CAD", true, &Globals::CAD, nullptr},
    {"Glo:CAH", true, &Globals::CAH, nullptr},
    {"Glo:MAD", true, &Globals::MAD, nullptr},
    {"Glo:MAH", true, &Globals::MAH, nullptr},
    {"GLO:DESDELINEA", false, nullptr, &Globals::DESDELINEA},
    {"GLO:HASTALINEA", false, nullptr, &Globals::HASTALINEA},
    {"GLO:LINEABASICOS", false, nullptr, &Globals::LINEABASICOS},
    {"GLO:FILA", true, &Globals::FILA, nullptr},
    {"GLO:COLUMNA", true, &Globals::COLUMNA, nullptr},
}};
}  // namespace

const GlobalName* findGlobal(const QString& name) {
  for (const auto& g : kNames) {
    if (name.compare(QLatin1String(g.name), Qt::CaseInsensitive) == 0) return &g;
  }
  return nullptr;
}

}  // namespace bv
