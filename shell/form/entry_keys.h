#pragma once
// The characters a one-line entry takes, by its picture: a number entry only
// what its picture can read back (digits, one "." where the picture has
// decimals, one "-" where it shows negatives), a date entry digits and date
// separators, a time entry digits and ":", a pattern its digits and its own
// literals. A text entry takes anything. A "," is never taken in a number:
// decimals are typed with ".", so "12,5" can never be read as 125.
#include "runtime/picture.h"

#include <QChar>
#include <QString>

namespace bv {

// Whether typing `c` over the selection [selectionStart, selectionStart +
// selectionLength) of `text` is taken.
bool entryTakes(const Picture& picture, const QString& text, int selectionStart, int selectionLength, QChar c);

// Whether a number picture shows negatives with its own "-" ("n-7.2", "n7.2-").
bool pictureTakesNegatives(const Picture& picture);

}  // namespace bv
