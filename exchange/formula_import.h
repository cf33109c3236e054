#pragma once
// The steps of "Procesar" of the window "Importar Formulas" (ImportarPlanilla),
// without the window, so that the headless runner and tests run the very same
// import.
//
// The workbook is opened through the automation object and read cell by cell
// from row 3 down until the tenth row with a blank code in column A (blank rows
// are counted over the whole run, never reset). For each row with a code:
// the finished product is created when missing (an existing one is left as it
// is), the formula is found by its product or inserted with the next number,
// its header takes the row's quantity and mixing ratios, its lines are
// replaced by the row's non-zero quantities, and the volumes and the specific
// weight are computed as the formula form computes them.
//
// Each row is written in one transaction of its own: a row that fails half way
// leaves the files as they were before it, and the rows before it stay
// imported. A row whose cells cannot be imported (see import_row.h) is refused
// with a message and the next row follows. A quantity in a column that no
// basic product names has no product to go to and is left out.
#include <QString>
#include <functional>

namespace bv {

class FileManagers;

struct ImportOutcome {
  enum class End {
    Finished,   // the blank rows ended the import
    BlankPath,  // "Falta ingresar el nombre de la Planilla"
    ReadError,  // the workbook could not be opened or a cell read
    Failed,     // a table could not be opened or written (its message shown)
  };
  End end = End::Finished;
  int lastRow = 0;    // the last row read
  int imported = 0;   // rows whose formula was written
  int refused = 0;    // rows left out (their message shown)
  int productsNotAdded = 0;

  // "Proceso terminado correctamente|Cantidad de formulas procesadas 011":
  // the count shown is the last row read minus one.
  QString closingText() const;
};

class FormulaImport {
 public:
  explicit FormulaImport(FileManagers& files) : files_(files) {}

  // Called before each row is read (the window lets its events through).
  std::function<void()> beforeRow;
  // Called with the product code once its formula header is written.
  std::function<void(const QString&)> showCode;

  // Imports the workbook at `path` (blanks after it ignored); every message on
  // the way is shown, but not the closing one, which the caller shows when the
  // run finished.
  ImportOutcome run(const QString& path);

 private:
  FileManagers& files_;
};

}  // namespace bv
