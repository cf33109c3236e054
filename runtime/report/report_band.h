#pragma once
// A band of a report: a strip of controls printed as one piece.
//
//   PageHeader  printed first on every page, at its own position on the page.
//   Header      printed on every page when the page starts.
//   Detail      printed when the report procedure asks, one under the other in
//               the report's body; a detail that no longer fits starts a new page.
//   Footer      printed on every page when the page ends.
//   End         printed once, after the last detail, when the report is ended.
//
// A header or footer stands at its own position on the page (its rect is in page
// coordinates), unless it is placed in the body: then a header takes the top of the
// body and a footer its bottom, and the details share what is left. A detail or end
// band's x and y are offsets from the body's left edge and from the line it is
// printed on.
#include <QRect>
#include <optional>
#include <vector>

#include "runtime/report/report_font.h"

namespace bv {

enum class BandKind { PageHeader, Header, Detail, Footer, End };

class ReportBand {
 public:
  ReportBand(int id, BandKind kind, const QRect& rect) : id_(id), kind_(kind), rect_(rect) {}

  int id() const { return id_; }
  BandKind kind() const { return kind_; }
  bool printsOnEveryPage() const {
    return kind_ == BandKind::PageHeader || kind_ == BandKind::Header || kind_ == BandKind::Footer;
  }

  const QRect& rect() const { return rect_; }
  ReportBand& setRect(const QRect& r) { rect_ = r; return *this; }
  ReportBand& setRect(int x, int y, int width, int height) { return setRect(QRect(x, y, width, height)); }

  // Headers and footers only: place the band in the body instead of at its rect.
  bool inBody() const { return inBody_; }
  ReportBand& setInBody(bool on) { inBody_ = on; return *this; }

  // The font of the band's controls that have none of their own; none = the report's.
  const std::optional<ReportFont>& font() const { return font_; }
  ReportBand& setFont(const ReportFont& f) { font_ = f; return *this; }

  // The band's controls in the order they were made, which is the order they are
  // drawn in (a string made after a box is drawn over it).
  const std::vector<int>& controls() const { return controls_; }

 private:
  friend class Report;
  int id_;
  BandKind kind_;
  QRect rect_;
  bool inBody_ = false;
  std::optional<ReportFont> font_;
  std::vector<int> controls_;
};

}  // namespace bv
