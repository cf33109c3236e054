#pragma once
// What a window's computations read: the fields of its tables by label in the
// buffers of the window's execution context (the row just read, for a list),
// its working values, and any other table through its file managers. Row
// computations, colour and icon rules and behaviour hooks all read through it,
// so none of them reaches a buffer through a global.
#include "shell/field_access.h"

#include <QHash>
#include <optional>

namespace bv {

class FileManager;
class FileManagers;
class ValueStore;

class WindowFields {
 public:
  explicit WindowFields(FileManagers& files, ValueStore* working = nullptr) : files_(files), working_(working) {}

  // A field, working value or global by name; blank when the name is unknown.
  FieldValue value(const QString& name) const;
  Decimal number(const QString& name) const;
  QString text(const QString& name) const;
  // Stores into a field or working value without messages; false when refused.
  bool set(const QString& name, const FieldValue& value) const;

  FileManagers& files() const { return files_; }
  // Another table's file manager, to read it by key.
  FileManager& table(const QString& label) const;
  ValueStore* working() const { return working_; }

 private:
  const std::optional<BoundField>& bound(const QString& name) const;
  FileManagers& files_;
  ValueStore* working_;
  // Names resolve once: a list computes its values for every record it reads.
  mutable QHash<QString, std::optional<BoundField>> cache_;
};

}  // namespace bv
