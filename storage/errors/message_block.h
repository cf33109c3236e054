#pragma once
// The packed form in which the message table is built into the program:
// a 16-bit count (low byte first), then per entry the number (16-bit, low byte
// first), the level (one byte), the title and the text, each as one length byte
// followed by that many Windows-1252 bytes.
#include "storage/errors/message_entry.h"

#include <QByteArray>
#include <QList>

namespace bv {

// Titles and texts longer than the format holds (255 bytes) are cut to 255.
QByteArray packMessageBlock(const QList<MessageEntry>& entries);

struct ParsedMessageBlock {
  QList<MessageEntry> entries;  // every entry read whole, in block order
  bool complete = false;        // false: the block was truncated or held extra bytes
};

// Never reads past the end of the block: reading stops at the first entry that
// does not fit, and the entries before it are kept.
ParsedMessageBlock parseMessageBlock(const QByteArray& block);

}  // namespace bv
