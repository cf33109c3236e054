#include "exchange/import_row.h"

#include "exchange/trailing_blanks.h"
#include "runtime/automation/cell_address.h"
#include "runtime/automation/number_text.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

// Digits and places of the fields the numbers go to.
struct NumberField {
  int column;
  int digits;
  int places;
  Decimal ImportRow::*target;
};
constexpr NumberField kHeaderFields[] = {
    {import_column::kWeight, 7, 4, &ImportRow::weight},    // FOR1:PESO_ESPECIFICO
    {import_column::kQuantity, 7, 3, &ImportRow::quantity},  // FOR1:CANTIDAD
    {import_column::kRel1, 7, 2, &ImportRow::rel1},        // FOR1:REL1
    {import_column::kRel2, 7, 2, &ImportRow::rel2},        // FOR1:REL2
    {import_column::kLine, 3, 0, &ImportRow::line},        // TER:LINEA
    {import_column::kChart, 3, 0, &ImportRow::chart},      // TER:CARTA
};
constexpr int kLineQuantityDigits = 7;  // FOR2:CANTIDAD
constexpr int kLineQuantityPlaces = 4;

}  // namespace

std::optional<Decimal> cellNumber(const QString& text) {
  if (text.trimmed().isEmpty()) return Decimal();
  // Grouped thousands and exponents as the spreadsheet writes them.
  const auto plain = numberText(text);
  if (!plain) return std::nullopt;
  return Decimal::parse(*plain);
}

ParsedRow parseImportRow(const std::array<QString, kImportCells>& cells) {
  const auto cell = [&](int column) -> const QString& { return cells[std::size_t(column - 1)]; };
  const auto refuse = [](int column, RowRefusal::Reason reason) {
    return ParsedRow{std::nullopt, RowRefusal{column, reason}};
  };
  ImportRow row;
  row.code = withoutTrailingBlanks(cell(import_column::kCode));
  // A longer code cut to the field would land on another product's formula.
  if (row.code.size() > kProductCodeLength)
    return refuse(import_column::kCode, RowRefusal::Reason::CodeTooLong);
  row.description = withoutTrailingBlanks(cell(import_column::kDescription)).left(50);
  row.system = cell(import_column::kSystem).trimmed().left(1);

  const auto number = [&](int column, int digits, int places, Decimal& into) {
    const auto value = cellNumber(cell(column));
    if (!value) return std::optional(RowRefusal{column, RowRefusal::Reason::NotANumber});
    into = value->rounded(places);
    if (!into.fits(digits, places))
      return std::optional(RowRefusal{column, RowRefusal::Reason::OutOfRange});
    return std::optional<RowRefusal>();
  };
  for (const NumberField& f : kHeaderFields)
    if (auto refused = number(f.column, f.digits, f.places, row.*f.target))
      return {std::nullopt, *refused};
  for (int slot = 1; slot <= kImportSlots; ++slot)
    if (auto refused = number(kImportFirstSlotColumn + slot - 1, kLineQuantityDigits,
                              kLineQuantityPlaces, row.quantities[std::size_t(slot - 1)]))
      return {std::nullopt, *refused};
  return {std::move(row), {}};
}

QString refusalText(int sheetRow, const QString& code, const RowRefusal& refusal) {
  const QString cell = columnLetters(refusal.column) + QString::number(sheetRow);
  QString why;
  switch (refusal.reason) {
    case RowRefusal::Reason::CodeTooLong:
      why = u"El código de la celda %1 tiene más de %2 caracteres"_s.arg(cell).arg(kProductCodeLength);
      break;
    case RowRefusal::Reason::NotANumber:
      why = u"La celda %1 no tiene un número"_s.arg(cell);
      break;
    case RowRefusal::Reason::OutOfRange:
      why = u"El número de la celda %1 está fuera de rango"_s.arg(cell);
      break;
  }
  return why + u"|No se importó la formula "_s + code;
}

}  // namespace bv
