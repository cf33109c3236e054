#pragma once
// Where the printer worker puts things on the page, in thousandths of an inch.
// Column widths come in list units (64 to the inch on screen) and print at
// kCellFactor thousandths of an inch per unit, times the resolution factor.
#include <QChar>
#include <QString>

#include "runtime/date_time.h"

namespace bv::printer {

inline constexpr double kCellFactor = 23.8;
inline constexpr int kRowHeight = 138;
inline constexpr int kTitlePitch = 140;  // each extra title line moves the rows down
inline constexpr int kBodyX = 250;
inline constexpr int kHeaderBandX = 250;
inline constexpr int kHeaderBandY = 465;
inline constexpr int kHeaderBandHeight = 558;
inline constexpr int kPageHeaderX = 61;
inline constexpr int kPageHeaderY = 55;
inline constexpr int kPageHeaderWidth = 3000;
inline constexpr int kTitleY = 186;
inline constexpr int kExtraTitleStep = 138;
inline constexpr int kHeadingY = 403;
inline constexpr int kRuleY = 543;
inline constexpr int kExtraTitleCharacters = 32;  // an extra line's width counts these
inline constexpr const char* kFontFamily = "Courier New";
inline constexpr int kFontSize = 9;

// The whole-number factor for the printer's resolution setting r: draft and low
// quality count as 300 dpi, anything else outside 1 to 300 as 400, and the
// factor is (400 - r) / 400 + 1 with its fraction dropped.
int resolutionFactor(int resolution);
// A horizontal cell measure: round(units x 23.8 x factor).
int cellUnits(long listUnits, int factor);

// The page frame of the report: the body the details print in, and where the
// block of columns starts inside it.
struct PageFrame {
  int bodyX = kBodyX;
  int bodyY = 0;
  int usableWidth = 0;  // the body's width
  int bodyHeight = 0;
  int blockWidth = 0;   // the usable width of the layout, round(mm x M)
  int blockOffset = 0;  // where the columns start, from the body's left edge
};
// paperWidth and paperHeight of the paper held upright; the justification is
// the layout's "I", "C" or "D".
PageFrame pageFrame(long paperWidth, long paperHeight, bool landscape, int extraTitles,
                    bool toText, QChar justification, int usableMillimetres);

// The title's x and width. A title longer than the usable width (4 mm per
// character plus 24 mm) is placed by the page justification across the whole
// usable width instead of at the block.
struct TitlePlace {
  int x = 0;
  int width = 0;
  bool long_ = false;
};
TitlePlace titlePlace(const QString& title, const PageFrame& frame, QChar justification,
                      int usableMillimetres);
// The width of an extra title line: its first 32 characters at 4 mm each plus 24 mm.
int extraTitleWidth(const QString& line);

// A cell's text: trailing blanks removed, then left-aligned ("L"), right-aligned
// ("R") or centred ("C") in round((width - 5) / 4) characters of the fixed-pitch
// font. A longer text is kept whole.
QString cellText(const QString& text, QChar justification, int listUnits);

// The page header's picture: "@p", "Fecha:" and the date (dd/mm/yyyy), " Hora:"
// and the time (hh:mm:ss), " Pagina: <<<" (the page number), "p"; each part only
// when chosen.
QString pageHeaderPicture(bool date, bool time, bool page, Date today, Time now);

}  // namespace bv::printer
