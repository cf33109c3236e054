#pragma once
// The queries a list keeps under names, in the settings file: each is a sector
// of the list's procedure name ("BrowseMarca"), the query's name and the type
// "Query", and its rows are a list of two fields (field, value) in the section
// "Query" under the entry named by the sector's name. The name of the query
// loaded or saved last is the entry "LastQuery" of the section named by the
// procedure.
#include "shell/qbe/query_item.h"

#include <QString>
#include <QStringList>

namespace bv {

class Settings;

class SavedQueries {
 public:
  static inline const QString kType = QStringLiteral("Query");
  static inline const QString kSection = QStringLiteral("Query");
  static inline const QString kLastEntry = QStringLiteral("LastQuery");
  static constexpr int kNameLength = 100;
  static constexpr int kValueLength = 1500;

  SavedQueries(Settings& settings, QString procedure);

  const QString& procedure() const { return procedure_; }
  // The names saved for the list, in alphabetical order.
  QStringList names() const;
  bool contains(const QString& name) const;

  // Whether a name can be kept: not blank, at most kNameLength characters,
  // and without "=" or a line break (the settings file cannot hold them in an
  // entry's name).
  static bool acceptsName(const QString& name);
  // Saves the conditions of the items under the name, replacing a query of
  // that name; false when the name is refused or the file cannot be written.
  bool save(const QString& name, const QueryItems& items);
  // Loads a saved query into the items (all others cleared); false when no
  // query has that name.
  bool load(const QString& name, QueryItems& items) const;
  bool remove(const QString& name);

  QString lastUsed() const;
  void setLastUsed(const QString& name);

 private:
  QString entry(const QString& name) const;
  // The name as registered (its letter case may differ from `name`).
  QString registered(const QString& name) const;

  Settings& settings_;
  QString procedure_;
};

}  // namespace bv
