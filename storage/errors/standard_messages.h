#pragma once
// The message table built into the program, as entries and as the packed block
// that the error manager loads at start-up.
#include "storage/errors/message_entry.h"

#include <QByteArray>
#include <QList>

namespace bv {

QList<MessageEntry> standardMessages();
const QByteArray& standardMessageBlock();

}  // namespace bv
