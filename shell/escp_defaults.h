#pragma once
#include <QByteArray>
#include <QList>

namespace bv {
// The 24 printer codes the program hands the ESC/P manager at start-up, in order:
// typefaces, quality, underline, italic, scripts, double height, bold, double
// width, condensed, pitch, then form feed, line feed and carriage return.
QList<QByteArray> defaultEscpCodes();
}  // namespace bv
