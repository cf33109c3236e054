#pragma once
// Declares the bands and controls of a listing: a heading printed at the top
// of every page (title, page number "Hoja: n", column titles) and one detail
// line per record. Fixed texts are numbered from kFirstText on.
#include <QRect>
#include <QString>

#include "runtime/report/report.h"

namespace bv::listing {

enum Band : int { kHeading = 1, kDetail = 2 };
constexpr int kPageNumber = 5;
constexpr int kFirstText = 100;

class LayoutBuilder {
 public:
  // `width` is the body's width; `row` the height of one line of text.
  LayoutBuilder(Report& report, const QString& title, int width, int headingHeight, int row,
                const ReportFont& font);

  // A fixed text of the heading.
  void text(const QString& text, const QRect& rect, bool bold = true,
            TextAlignment alignment = TextAlignment::Left);
  // A value filled for each record (the detail) or once (the heading).
  void value(int id, int band, const QString& picture, const QRect& rect,
             TextAlignment alignment = TextAlignment::Left);
  // A box drawn around the column titles.
  void box(const QRect& rect);
  int row() const { return row_; }

 private:
  Report& r_;
  ReportFont bold_;
  int row_;
  int nextText_ = kFirstText;
};

}  // namespace bv::listing
