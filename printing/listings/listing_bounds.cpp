#include "printing/listings/listing_bounds.h"

#include "shell/globals.h"

using namespace Qt::StringLiterals;

namespace bv {

ListingBounds ListingBounds::of(const Globals& g) {
  return {g.DESDETERMINADO, g.HASTATERMINADO, g.LID, g.LIH, g.CAD, g.CAH, g.MAD, g.MAH};
}

namespace listing {

QStringList sortChoices() {
  return {u"Por Codigo de producto"_s, u"Por Descripcion"_s, u"Por Linea"_s, u"Por Carta de Colores"_s,
          u"Por Marca"_s};
}

QString sortField(int choice) {
  static const QStringList fields{u"TER:Codigo"_s, u"TER:Descripcion"_s, u"TER:Linea"_s, u"TER:Carta"_s,
                                  u"TER:Marca"_s};
  return choice >= 1 && choice <= fields.size() ? fields[choice - 1] : QString();
}

int sortChoiceOf(const QString& answer) {
  const QString a = answer.trimmed();
  bool number = false;
  const int n = a.toInt(&number);
  if (number) return sortField(n).isEmpty() ? 0 : n;
  const int index = sortChoices().indexOf(a);
  return index < 0 ? 0 : index + 1;
}

QString orderFor(const QString& field) {
  const QString f = field.trimmed();
  const QString code = sortField(1);
  if (f.isEmpty() || f.compare(code, Qt::CaseInsensitive) == 0) return {};
  return u'*' + f + u',' + code;
}

}  // namespace listing
}  // namespace bv
