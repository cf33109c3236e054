#pragma once
// The OEM character set of the Spanish-language stations (code page 850), into
// which a delimited-text export may be converted for programs that read the
// console character set.
#include <QByteArray>
#include <QString>

namespace bv::oem {

// One byte per character; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString& text);

}  // namespace bv::oem
