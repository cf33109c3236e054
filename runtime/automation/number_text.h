#pragma once
// Which cell texts the spreadsheet takes as numbers, and the plain form in which a
// number cell's value is read back.
//
// A text assigned to a cell's formula is stored as a number when it reads as one:
// blanks around it, an optional sign, digits (thousands may be grouped with ","
// in threes), an optional "." with decimals, an optional exponent ("1.5E3").
// "  9.0000", "-1,234.50" and "0007" are numbers; "12,5", "1.2.3" and "7A" are
// texts.
#include <QString>
#include <QStringView>
#include <optional>

namespace bv {

// The number's plain text ("9", "-1234.5", "7"), or nullopt when the text is
// not a number.
std::optional<QString> numberText(QStringView text);
// The plain text of a binary number read from a workbook file: at most 15
// significant digits, no exponent for ordinary magnitudes ("0.1", "42").
QString numberTextOf(double value);
// The value of a plain number text, for the file's binary number.
double numberValue(const QString& plainText);

}  // namespace bv
