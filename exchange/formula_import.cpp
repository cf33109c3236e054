#include "exchange/formula_import.h"

#include <memory>

#include "exchange/import_row_writer.h"
#include "exchange/opened_tables.h"
#include "exchange/trailing_blanks.h"
#include "runtime/automation/automation.h"
#include "runtime/automation/cell_address.h"
#include "runtime/message_presenter.h"
#include "storage/managers/file_managers.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

// The tenth blank code ends the import.
constexpr int kBlankRowsToEnd = 10;

const QString kTitle = u"Importar Formulas"_s;

// A path inside a quoted statement argument: a quote in it is doubled, so the
// name cannot end the argument early.
QString quoted(const QString& text) {
  return u"\""_s + QString(text).replace(u'"', u"\"\""_s) + u"\""_s;
}

// Reads cells of one workbook through the spreadsheet's automation object.
class SheetCells {
 public:
  explicit SheetCells(Automation& xl) : xl_(xl) {}
  // The cell's value, or nullopt when the read fails.
  std::optional<QString> read(int column, int row) {
    const QString value =
        xl_.get(u"Application.Range(\""_s + columnLetters(column) + QString::number(row) + u"\").Value"_s);
    if (value == Automation::kReadFailure) return std::nullopt;
    return value;
  }
  // Every cell but A of the row into `cells`; false when one cannot be read.
  bool readRest(int row, std::array<QString, kImportCells>& cells) {
    for (int column = 2; column <= kImportCells; ++column) {
      auto value = read(column, row);
      if (!value) return false;
      cells[std::size_t(column - 1)] = std::move(*value);
    }
    return true;
  }

 private:
  Automation& xl_;
};

}  // namespace

QString ImportOutcome::closingText() const {
  return u"Proceso terminado correctamente|Cantidad de formulas procesadas "_s +
         QString::number(lastRow - 1).rightJustified(3, u'0');
}

ImportOutcome FormulaImport::run(const QString& path) {
  ImportOutcome outcome;
  const QString file = withoutTrailingBlanks(path);
  if (file.trimmed().isEmpty()) {
    showMessage(u"Falta ingresar el nombre de la Planilla"_s, kTitle);
    outcome.end = ImportOutcome::End::BlankPath;
    return outcome;
  }
  ImportTables tables{files_[u"Basicos"_s], files_[u"Terminado"_s], files_[u"Formula1"_s],
                      files_[u"Formula2"_s]};
  OpenedTables opened;
  ImportColumns columns;
  // A table that cannot be opened has shown why; a failed read of Basicos
  // has its message stored.
  const bool opens = opened.open({&tables.basicos, &tables.terminado, &tables.formula1,
                                  &tables.formula2}) == kLevelBenign;
  if (!opens || !ImportColumns::read(tables.basicos, columns)) {
    if (opens) tables.basicos.raiseStored();
    outcome.end = ImportOutcome::End::Failed;
    return outcome;
  }

  const std::unique_ptr<Automation> xl = Automation::create(u"Excel.Application"_s);
  // A workbook that does not open would read as blank rows: an import of
  // nothing must not pass for a finished one.
  if (!xl || !xl->send(u"Workbooks.Open ("_s + quoted(file) + u")"_s)) {
    showMessage(u"Error de lectura en la planilla excel"_s, kTitle);
    if (xl) xl->send(u"Quit"_s);
    outcome.end = ImportOutcome::End::ReadError;
    return outcome;
  }

  SheetCells cells(*xl);
  int blankRows = 0;
  std::array<QString, kImportCells> row;
  for (int number = kImportFirstRow; blankRows < kBlankRowsToEnd && number <= kMaxRows; ++number) {
    if (beforeRow) beforeRow();
    outcome.lastRow = number;
    auto code = cells.read(import_column::kCode, number);
    if (!code || (!withoutTrailingBlanks(*code).isEmpty() && !cells.readRest(number, row))) {
      showMessage(u"Error de lectura en la planilla excel"_s, kTitle);
      outcome.end = ImportOutcome::End::ReadError;
      break;
    }
    if (withoutTrailingBlanks(*code).isEmpty()) {
      ++blankRows;
      continue;
    }
    row[0] = *code;
    const ParsedRow parsed = parseImportRow(row);
    if (!parsed.row) {
      showMessage(refusalText(number, withoutTrailingBlanks(*code), parsed.refusal), kTitle);
      ++outcome.refused;
      continue;
    }
    const RowWritten written = writeImportRow(files_.layer(), tables, columns, *parsed.row);
    if (written.productNotAdded) ++outcome.productsNotAdded;
    if (written.result == RowWritten::Result::Failed) {
      outcome.end = ImportOutcome::End::Failed;
      break;
    }
    if (written.result == RowWritten::Result::FormulaNotInserted) {
      ++outcome.refused;
      continue;
    }
    ++outcome.imported;
    if (showCode) showCode(parsed.row->code);
  }
  xl->send(u"Workbooks.Close ("_s + quoted(file) + u")"_s);
  xl->send(u"Quit"_s);
  return outcome;
}

}  // namespace bv
