#pragma once
// Order texts of views: a key's component texts joined by ",", a descending
// component preceded by "-" ("TER:DESCRIPCION", "UPPER(CLI:NOMBRE),-CLI:CODIGO").
#include <QString>
#include <optional>
#include <vector>

#include "storage/managers/manager_key.h"

namespace bv {

struct OrderComponent {
  QString label;  // the field label or bound name as written
  bool descending = false;
  bool upper = false;  // written as UPPER(label): compares upper-cased

  QString text() const;
};

// The components of an order text; nullopt when one is empty or not a name
// (optionally within UPPER( )).
std::optional<std::vector<OrderComponent>> parseOrder(const QString& text);

// A key's order text.
QString keyOrder(const ManagerKey& key);

// Extra order text: appended after a "," to the key's order, or taking its
// place when it begins with "*".
QString withExtraOrder(const QString& keyOrder, const QString& extra);

}  // namespace bv
