#pragma once
// The placeholders of a message text (%File, %ErrorText, %Message, ...).
//
// One pass over the text: at each "%" the longest placeholder name that follows
// (in any letter case) is replaced, so %ErrorText is never read as %Error nor
// %FileError as %File, and a value is copied as it is, never scanned again
// (a file name or a typed value holding "%File" stays as typed).
#include "runtime/runtime_error.h"

#include <QString>

namespace bv {

// The manager fills its texts in a buffer of this many characters.
constexpr int kMessageBufferSize = 2000;

struct PlaceholderValues {
  QString file;
  QString field;
  QString message;
  QString procedure;
  QString category;
  QString previous;
  RuntimeError error;
};

// %ErrorText: for a file-system error (code 90) the file error text and code,
// otherwise the runtime error text and code, as "text (code)".
QString errorTextValue(const RuntimeError& error);

// The text with every placeholder replaced, cut to kMessageBufferSize.
QString substitutePlaceholders(const QString& text, const PlaceholderValues& values);

}  // namespace bv
