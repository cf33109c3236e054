#pragma once
// A value typed or read by the user, as a message quotes it: on one line and
// short. Control characters are written as \xNN, and a long value is cut with
// its length told, so that a megabyte of digits or of NUL bytes gives a line
// a person can read.
#include <QString>

namespace bv::cli {

inline constexpr qsizetype kShownValueLength = 60;

QString shownValue(const QString& value);

}  // namespace bv::cli
