#pragma once
// One row of a formula workbook taken from its cell texts, checked before
// anything is written: a row is imported whole or not at all.
//
// Numbers are read from the cell's text: a blank cell is 0; a text that is no
// number refuses the row (a quantity typed as text is not silently dropped
// from the formula), and so does a number larger than its field holds.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "exchange/import_columns.h"
#include "runtime/decimal.h"

namespace bv {

inline constexpr int kProductCodeLength = 13;  // TER:CODIGO, FOR1:CODIGO_TERMINADO

struct ImportRow {
  QString code;
  QString description;  // TER:DESCRIPCION, cut to its 50 characters
  Decimal weight;       // C: FOR1:PESO_ESPECIFICO until the formula is recomputed
  std::array<Decimal, kImportSlots> quantities{};  // D .. AI, 4 decimals
  Decimal quantity;     // FOR1:CANTIDAD, 3 decimals
  Decimal rel1;         // FOR1:REL1, 2 decimals
  Decimal rel2;         // FOR1:REL2
  Decimal line;         // TER:LINEA, whole
  Decimal chart;        // TER:CARTA, whole
  QString system;       // TER:SISTEMA, one character
};

// Why a row is not imported: the column (from 1) and what is wrong there.
struct RowRefusal {
  enum class Reason { CodeTooLong, NotANumber, OutOfRange };
  int column = 0;
  Reason reason = Reason::NotANumber;
};

// The value of a number cell's text: 0 when blank, nullopt when not a number.
std::optional<Decimal> cellNumber(const QString& text);

// The row from its 41 cell texts (A .. AO, index 0 is column A). The code is
// column A without trailing blanks and must not be blank.
struct ParsedRow {
  std::optional<ImportRow> row;
  RowRefusal refusal;  // when there is no row
};
ParsedRow parseImportRow(const std::array<QString, kImportCells>& cells);

// The message text of a refused row of the sheet.
QString refusalText(int sheetRow, const QString& code, const RowRefusal& refusal);

}  // namespace bv
