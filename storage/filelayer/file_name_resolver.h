#pragma once
// Finds a table's file in a directory without regard to letter case, so that a
// "BASICOS.TPS" copied from another station is found as "Basicos.tps" rather
// than created anew and empty.
#include <QString>

namespace bv::sqlfile {

// The path of the file called `name` in `directory` in any letter case: the exact
// spelling when it exists, else the first match in name order, else the path
// with the name as given (where a new file is created).
QString resolveFileName(const QString& directory, const QString& name);

}  // namespace bv::sqlfile
