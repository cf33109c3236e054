#pragma once
// The data dictionary: every table and alias of the system, built once from the
// catalogue and never changed afterwards, with lookups by label.
#include <QHash>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

#include "storage/dictionary/table_def.h"

namespace bv {

namespace dictionary {
struct Catalogue;
}

struct FieldLocation {
  const TableDef* table = nullptr;
  const FieldDef* field = nullptr;
  explicit operator bool() const { return field != nullptr; }
};

struct KeyLocation {
  const TableDef* table = nullptr;
  const KeyDef* key = nullptr;
  explicit operator bool() const { return key != nullptr; }
};

class Dictionary {
 public:
  // The system's dictionary.
  static const Dictionary& instance();

  explicit Dictionary(const dictionary::Catalogue& catalogue);
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // Every table, then every alias, in construction order.
  const std::vector<const TableDef*>& tables() const { return order_; }
  // By label ("Basicos", "a_basicos"), any letter case; nullptr when unknown.
  const TableDef* table(QStringView label) const;
  // By field label ("BAS:COSTO", "a_bas:costo", a memo too), any letter case.
  FieldLocation field(QStringView label) const;
  // By key label ("BAS:KEYCOD"), any letter case.
  KeyLocation key(QStringView label) const;

 private:
  std::vector<std::unique_ptr<TableDef>> owned_;
  std::vector<const TableDef*> order_;
  QHash<QString, const TableDef*> byLabel_;
  QHash<QString, FieldLocation> fields_;
  QHash<QString, KeyLocation> keys_;
};

}  // namespace bv
