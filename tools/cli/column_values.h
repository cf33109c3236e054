#pragma once
// Field values in the form that the table CSV and the command line use:
// strings without trailing blanks, decimals with exactly their places and "."
// as the decimal point ("100.00", "-3", "1.2500"), dates as YYYY-MM-DD (empty
// for no date), the memo as its text.
#include <QString>
#include <QStringList>
#include <optional>

#include "storage/dictionary/record.h"

namespace bv::cli {

QString columnText(const Record& record, const Column& column);
// Every column of the record in declaration order.
QStringList rowTexts(const Record& record);
// The header: every column's name in upper case.
QStringList headerNames(const TableDef& table);

// A value typed for a field. A blank decimal is zero and a blank date is no
// date. Nullopt, with a reason in Spanish, for a malformed decimal (a ","
// for the decimal point, letters) or a date not written YYYY-MM-DD.
std::optional<FieldValue> parseFieldValue(const FieldDef& field, const QString& text, QString* reason = nullptr);

}  // namespace bv::cli
