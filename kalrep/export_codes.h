#pragma once
// Export-type codes: one byte names an output kind everywhere in the library.
#include "kalrep/kal_types.h"

namespace bv::kal {

inline constexpr Byte kCsv = 1;          // delimited text
inline constexpr Byte kSpreadsheet = 2;  // spreadsheet workbook through automation
inline constexpr Byte kHtml = 3;
inline constexpr Byte kDbf = 4;
inline constexpr Byte kRtf = 5;
inline constexpr Byte kPrinter = 10;    // also the code in force for 13 and 14
inline constexpr Byte kCancelled = 11;  // the output-type window was cancelled
inline constexpr Byte kFilesOnly = 12;  // ask, offering the file outputs only
inline constexpr Byte kLaser = 13;      // laser or ink-jet printer
inline constexpr Byte kPlainText = 14;  // plain text file through the printer worker
inline constexpr Byte kWithText = 15;   // ask, offering the printer and text outputs too

inline constexpr bool isPrinterCode(int code) {
  return code == kPrinter || code == kLaser || code == kPlainText;
}
inline constexpr bool isFileCode(int code) { return code >= kCsv && code <= kRtf; }

}  // namespace bv::kal
