#pragma once
// A key as the file manager keeps it: the dictionary's key with its description,
// its components as views and filters write them, and its flags.
#include <QString>
#include <vector>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/key_def.h"

namespace bv {

struct KeyComponent {
  const FieldDef* field = nullptr;
  bool ascending = true;
  // The component in a filter: the field's label, "UPPER(label)" when the key
  // ignores case and the field is a string.
  QString filterText;
};

struct ManagerKey {
  static constexpr int kDescriptionLength = 80;

  const KeyDef* key = nullptr;
  QString description;  // what the duplicate-key message names
  std::vector<KeyComponent> components;
  bool autoNumber = false;
  bool duplicates = false;
  bool ignoresCase = false;
};

}  // namespace bv
