#pragma once
// How the writers name the sixteen standard Windows colours (0x000000 black,
// 0x0000FF red, 0xFF0000 blue, ...: blue in the high byte).
#include <QString>

#include "kalrep/kal_types.h"

namespace bv::kal {

// "#RRGGBB", red first. Every colour is written by its own red, green and blue,
// which for the sixteen standard colours gives their usual names.
QString htmlColour(Colour colour);
// The position of the colour in the RTF colour table (1 black ... 16 silver);
// 0 for any other colour.
int rtfColourIndex(Colour colour);
// The spreadsheet's colour index (1 black, 2 white, 3 red ... 16 grey); 0 for
// any other colour.
int spreadsheetColourIndex(Colour colour);

}  // namespace bv::kal
