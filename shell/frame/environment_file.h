#pragma once
// The runtime's environment file "Bravent.ENV": locale settings kept as
// "NAME=value" lines. The frame loads it when it opens; a missing or unreadable
// file is no error, and lines of any other form are passed over.
#include <QHash>
#include <QString>

namespace bv {

class EnvironmentFile {
 public:
  static inline const QString kFileName = QStringLiteral("Bravent.ENV");

  // Reads the file from the working directory (its name in any letter case);
  // false when there is none.
  bool load(const QString& fileName = kFileName);
  // The value of a setting (names in any letter case), empty when not set.
  QString value(const QString& name) const { return values_.value(name.toUpper()); }
  bool isEmpty() const { return values_.isEmpty(); }

 private:
  QHash<QString, QString> values_;
};

}  // namespace bv
