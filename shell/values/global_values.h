#pragma once
// The program's globals as bindable values: an entry bound to "GLO:FILA"
// shows and sets the global itself. Numbers are kept with 4 places (whole
// numbers where the global counts rows and columns); texts keep their width.
#include "shell/values/value_store.h"

#include <memory>
#include <vector>

namespace bv {

class GlobalValues : public ValueStore {
 public:
  static GlobalValues& instance();

  const FieldDef* find(const QString& name) const override;
  FieldValue value(const FieldDef& def) const override;
  SetResult set(const FieldDef& def, const FieldValue& value) override;

 private:
  GlobalValues();
  std::vector<std::unique_ptr<FieldDef>> defs_;
};

}  // namespace bv
