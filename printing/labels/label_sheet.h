#pragma once
// The label sheet: 8 rows of 2 labels. Small rules shared by the start window,
// the fill of the work table and the tests.
#include <QString>

#include "runtime/decimal.h"

namespace bv::labels {

constexpr int kRows = 8;
constexpr int kColumns = 2;
constexpr int kRectangles = kRows * kColumns;
constexpr int kLineWidth = 40;  // each label line, "s40"

// The mark of an order chosen for printing (PRO1:MARCA); blank is unmarked.
inline const QString kMarked = QStringLiteral("I");

struct SheetPosition {
  int row = 1;     // 1 to 8
  int column = 1;  // 1 left, 2 right
  friend bool operator==(const SheetPosition&, const SheetPosition&) = default;
};

// The labels an order prints: its count, at least one.
int labelsFor(const Decimal& count);

// Rectangle k of the sheet's picture (1 to 16, left to right and top to
// bottom) and the rectangle of a position.
SheetPosition positionOfRectangle(int k);
int rectangleOf(const SheetPosition& position);

// A start position as typed: row 1 to 8, column 1 or 2.
bool isValidStart(const SheetPosition& position);

// Line A of a label: the product's description without trailing blanks,
// " - " and the product's code, cut to the width of a label line.
QString productLine(const QString& description, const QString& code);

}  // namespace bv::labels
