#pragma once
// Writes one checked workbook row into the formula tables, in one transaction
// of its own (see formula_import.h for what a row does).
#include "exchange/import_columns.h"
#include "exchange/import_row.h"

namespace bv {

class FileManager;
class FileLayer;

struct ImportTables {
  FileManager& basicos;
  FileManager& terminado;
  FileManager& formula1;
  FileManager& formula2;
};

struct RowWritten {
  enum class Result {
    Written,              // product (when missing), header and lines
    FormulaNotInserted,   // "No pudo insertar formula ": the product stays
    Failed,               // nothing of the row was kept; its message shown
  };
  Result result = Result::Written;
  bool productNotAdded = false;  // "No pudo dar de alta el terminado "
};

// Every message of the row is shown after its transaction ended, so that no
// other station waits on the files while the user reads one.
RowWritten writeImportRow(FileLayer& layer, ImportTables& tables, const ImportColumns& columns,
                          const ImportRow& row);

}  // namespace bv
