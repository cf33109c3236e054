#pragma once
// Windows-1252 conversion with the program's own table.
//
// The settings file and the files of the export library keep the byte form that
// older stations and other programs read: Windows-1252. It differs from Latin-1
// only in 0x80-0x9F, where it holds the euro sign, typographic quotes, dashes and
// a few letters. A character it cannot hold is written as '?' rather than dropped.
#include <QByteArray>
#include <QChar>
#include <QString>

namespace bv::cp1252 {

// One byte per character; a character outside Windows-1252 (one '?' for a whole
// surrogate pair) becomes '?'.
QByteArray encode(const QString& text);
// Every byte has a character: the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the same number, so
// that decode then encode gives the bytes back unchanged.
QString decode(const QByteArray& bytes);
// The byte of one character, '?' when Windows-1252 cannot hold it.
char encodeChar(QChar c);

}  // namespace bv::cp1252
