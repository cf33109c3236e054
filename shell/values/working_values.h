#pragma once
// The working values of one window: named numbers and texts that are not
// stored in any table (a form's cost totals, a save flag). A behaviour object
// declares them; controls, list columns and filters reach them by name like
// record fields.
#include "shell/values/value_store.h"

#include <memory>
#include <vector>

namespace bv {

class WorkingValues : public ValueStore {
 public:
  // Declares a number or a text; a name declared again keeps its first form.
  WorkingValues& number(const QString& name, int digits, int places, const QString& picture = {});
  WorkingValues& text(const QString& name, int length, const QString& picture = {});

  const FieldDef* find(const QString& name) const override;
  FieldValue value(const FieldDef& def) const override;
  SetResult set(const FieldDef& def, const FieldValue& value) override;

  // By name, for a window's own code; an unknown name reads as zero or blank.
  Decimal decimal(const QString& name) const;
  QString string(const QString& name) const;
  SetResult set(const QString& name, const FieldValue& value);
  // Zero and blank again.
  void clear();
  const std::vector<std::unique_ptr<FieldDef>>& declared() const { return defs_; }

 private:
  WorkingValues& declare(FieldDef def);
  // Kept behind pointers: controls hold the descriptions while values are added.
  std::vector<std::unique_ptr<FieldDef>> defs_;
  std::vector<FieldValue> values_;
};

}  // namespace bv
