#pragma once
// The text rules of filter expressions: comparison without trailing blanks,
// numeric text, and the UPPER, SUB and INSTRING functions.
#include <QString>
#include <QStringView>
#include <optional>

#include "runtime/decimal.h"

namespace bv::filter_text {

// Fixed-length fields are stored padded with blanks, so blanks at the end never count.
QStringView withoutTrailingBlanks(QStringView text);

// Binary order (by character code) of two texts without their trailing blanks:
// negative, zero or positive.
int compare(QStringView a, QStringView b);

// The number a text holds when the whole text, blanks around it aside, is a plain
// number ("7", "07", " -1.5 "); nullopt otherwise (empty, "01BASE", "12,5").
std::optional<Decimal> numericValue(QStringView text);

// Upper case, the accented letters included (á to Á, ñ to Ñ, ü to Ü).
QString upper(const QString& text);

// The part of `text` from position `start` (1 = first character) of `length`
// characters; positions outside the text are simply absent, so the result is the
// part that exists, or empty.
QString sub(const QString& text, long long start, long long length);

// The position (1 = first) of `part` in `text`, trying the positions start,
// start + step, ...; 0 when absent or when `part` is empty. A step or start below
// 1 is taken as 1.
long long find(QStringView part, QStringView text, long long step, long long start);

}  // namespace bv::filter_text
