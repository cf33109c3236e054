#pragma once
// The list windows of the program by procedure name ("BrowseBasicos"), so
// that the frame registers them and the headless runner shows any list's
// rows without a screen. Each subsystem adds its own lists.
#include "shell/browse/list_declaration.h"

#include <QMap>
#include <QStringList>
#include <functional>

namespace bv {

class ListCatalogue {
 public:
  using Declaration = std::function<const ListDeclaration&()>;

  void add(const QString& procedure, Declaration declaration) { lists_.insert(procedure.toUpper(), {procedure, std::move(declaration)}); }
  // By procedure name in any letter case; nullptr when unknown.
  const ListDeclaration* find(const QString& procedure) const {
    const auto it = lists_.find(procedure.toUpper());
    return it == lists_.end() ? nullptr : &it->second();
  }
  QStringList names() const {
    QStringList out;
    for (const auto& entry : lists_) out << entry.first;
    return out;
  }
  template <typename F>
  void forEach(F&& f) const {
    for (const auto& entry : lists_) f(entry.first, entry.second);
  }

 private:
  QMap<QString, std::pair<QString, Declaration>> lists_;
};

}  // namespace bv
