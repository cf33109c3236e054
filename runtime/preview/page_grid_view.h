#pragma once
// The preview's page surface: a grid of `across` × `down` pages of a report,
// starting at one page, drawn at a chosen resolution. Pages are drawn straight
// from the report's page contents whenever they are exposed, so no page image is
// kept, whatever the zoom and the number of pages shown.
#include <QWidget>

namespace bv {

class Report;

class PageGridView : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kGap = 12;  // pixels around every page

  explicit PageGridView(const Report& report, QWidget* parent = nullptr);

  // Shows pages from `firstPage` (from 1), `across` per row, `down` rows, at `dpi`.
  void setGrid(int firstPage, int across, int down, int dpi);
  int firstPage() const { return first_; }
  int dpi() const { return dpi_; }
  // The page under a point of the view, or 0.
  int pageAt(const QPoint& point) const;
  // Where page `index` (0 = the first shown) stands in the view.
  QRect pageRect(int index) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize pagePixels() const;

  const Report& report_;
  int first_ = 1;
  int across_ = 1;
  int down_ = 1;
  int dpi_ = 96;
};

}  // namespace bv
