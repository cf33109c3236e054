#pragma once
// Cell and range addresses in the spreadsheet's A1 notation: columns are letters
// (1 is "A", 26 "Z", 27 "AA"), rows are numbers from 1; "$" marks are allowed
// and ignored.
#include <QString>
#include <QStringView>
#include <optional>

namespace bv {

struct CellAddress {
  int row = 1;     // from 1
  int column = 1;  // from 1
  friend auto operator<=>(const CellAddress&, const CellAddress&) = default;
};

struct CellRange {
  CellAddress first;
  CellAddress last;
  int rows() const { return last.row - first.row + 1; }
  int columns() const { return last.column - first.column + 1; }
  bool contains(const CellAddress& a) const {
    return a.row >= first.row && a.row <= last.row && a.column >= first.column &&
           a.column <= last.column;
  }
  friend bool operator==(const CellRange&, const CellRange&) = default;
};

// The largest sheet the workbook format holds.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// "A" for 1, "Z" for 26, "AA" for 27; empty for anything below 1.
QString columnLetters(int column);
// The column of letters in either case ("aa" is 27); nullopt for anything else.
std::optional<int> parseColumnLetters(QStringView letters);
// "B7" -> row 7, column 2.
std::optional<CellAddress> parseCellAddress(QStringView text);
// "A1:Y5" or a single cell "C3" (a range of one cell); the corners may be given
// in any order.
std::optional<CellRange> parseCellRange(QStringView text);
// Whole columns "A:Y" or "C" (as columns first..last); nullopt for anything else.
std::optional<std::pair<int, int>> parseColumnRange(QStringView text);

}  // namespace bv
