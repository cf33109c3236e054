#pragma once
// A printed page as drawn: every visible control of every band printed on it,
// taken at the moment its band was printed (a detail control refilled for the next
// record does not change the pages already printed), at its place on the page in
// thousandths of an inch. Pages are drawn on any device by the page renderer.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include "runtime/report/report_control.h"
#include "runtime/report/report_font.h"

namespace bv {

struct PageItem {
  enum class Kind { Text, Box, Line, Image };
  Kind kind = Kind::Text;
  QRect rect;        // on the page, in units; a line runs corner to corner
  QString text;      // Text
  ReportFont font;   // Text
  TextAlignment alignment = TextAlignment::Left;
  QColor fill;       // Box fill or Text background; invalid = none
  QColor lineColour; // Box border or Line; invalid = none
  int lineWidth = 0; // units
  QImage image;      // Image
  int controlId = 0; // the control it was taken from
};

struct ReportPage {
  int number = 0;  // from 1
  QList<PageItem> items;

  // Every text on the page, in drawing order (for tests and for searching).
  QStringList texts() const {
    QStringList out;
    for (const PageItem& item : items)
      if (item.kind == PageItem::Kind::Text) out << item.text;
    return out;
  }
};

}  // namespace bv
